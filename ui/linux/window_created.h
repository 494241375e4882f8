#pragma once

#include "ui/linux/startup.h"

namespace velmora::linux_ui {

// The window-created handler on Linux: Alt+D grabbed on the X root window,
// the update check through libcurl and Qt's message boxes.
void OnWindowCreated(Program& program);

}  // namespace velmora::linux_ui
