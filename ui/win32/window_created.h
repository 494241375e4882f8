#pragma once

#include "ui/win32/startup.h"

namespace velmora::win32 {

// The window-created handler on Windows: Alt+D on the main window with MillisecondsLabel
// receiving its feedback, the update check through WinINet and message boxes.
void OnWindowCreated(Program& program);

}  // namespace velmora::win32
