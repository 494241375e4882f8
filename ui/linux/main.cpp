#include "ui/linux/startup.h"
#include "velmora/build_config.h"

int main(int argc, char** argv) {
  using namespace velmora;
  return linux_ui::RunProgram(argc, argv,
                              {config::kUpdateHost, config::kErrorPage, config::kHomepage});
}
