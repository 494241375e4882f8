#include <windows.h>

#include "ui/win32/window_created.h"
#include "velmora/build_config.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return velmora::win32::RunProgram(instance, velmora::config::kHomepage,
                                    &velmora::win32::OnWindowCreated);
}
