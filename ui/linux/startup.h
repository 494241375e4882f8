#pragma once

#include <memory>

#include "core/click_control.h"
#include "ui/linux/hotkey.h"
#include "ui/linux/main_window.h"
#include "ui/linux/mouse.h"
#include "ui/linux/window_port.h"
#include "ui/program_lifecycle.h"
#include "ui/window_created.h"

namespace velmora::linux_ui {

using ui::ProgramAddresses;

// Leaves the process: output flushed, then _exit.
[[noreturn]] void ExitLinuxProcess(int exitCode);

// Everything the running program is made of, wired together.
struct Program {
  Program(X11Connection& x11, const ProgramAddresses& addresses)
      : addresses(addresses),
        window(addresses.homepage),
        port(window, &x11),
        mouse(x11),
        hotkeys(x11) {
    window.Bind(clickControl);
  }

  ProgramAddresses addresses;
  ProgramState state;
  MainWindow window;
  QtWindowPort port;
  XTestMouse mouse;
  GlobalHotkeys hotkeys;
  ClickControl clickControl{port, mouse, state};
  // Nothing that a run holds outlives the process here.
  ui::ProgramLifecycle lifecycle{state, nullptr, &ExitLinuxProcess};
};

// From process start to exit code; without an X11 display, one line on
// standard error and exit code 2.
int RunProgram(int argc, char** argv, const ProgramAddresses& addresses);

}  // namespace velmora::linux_ui
