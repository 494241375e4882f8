#include <windows.h>

#include "ui/win32/window_created.h"
#include "velmora/build_config.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace velmora;
  return win32::RunProgram(instance, {config::kUpdateHost, config::kErrorPage, config::kHomepage},
                           &win32::OnWindowCreated);
}
