#pragma once

#include <windows.h>

#include "core/click_control.h"
#include "core/program_state.h"
#include "ui/program_lifecycle.h"
#include "ui/win32/main_window.h"
#include "ui/win32/mouse.h"
#include "ui/win32/window_port.h"

namespace velmora::win32 {

using ui::ProgramAddresses;

// Leaves the process: COM released, then ExitProcess.
[[noreturn]] void ExitWindowsProcess(int exitCode);

// Everything the running program is made of, wired together.
struct Program {
  Program(HINSTANCE instance, const ProgramAddresses& addresses)
      : addresses(addresses), window(instance, addresses.homepage) {
    window.Bind(clickControl);
  }

  ProgramAddresses addresses;
  ProgramState state;
  MainWindow window;
  Win32WindowPort port{window};
  Win32Mouse mouse;
  ClickControl clickControl{port, mouse, state};
  // A run still in progress at the end (Alt+D works inside the update
  // check's boxes) gives its request for the fine timer tick back.
  ui::ProgramLifecycle lifecycle{
      state, [this] { window.TimerOf(Timer::Click).SetPeriod(0); }, &ExitWindowsProcess};
};

// Retrieves and dispatches messages until WM_QUIT, each first passing the
// window's keyboard handling; returns WM_QUIT's exit code.
int RunMessageLoop(MainWindow& window);

// What runs once the window and its controls exist, before it is shown.
using CreatedHandler = void (*)(Program& program);

// From process start to exit code: prepares the process, builds the window
// hidden, runs the created handler, shows the window and runs the loop.
int RunProgram(HINSTANCE instance, const ProgramAddresses& addresses, CreatedHandler onCreated);

}  // namespace velmora::win32
