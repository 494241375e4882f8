#pragma once

#include <windows.h>

#include "core/click_control.h"
#include "core/program_state.h"
#include "ui/win32/main_window.h"
#include "ui/win32/mouse.h"
#include "ui/win32/window_port.h"

namespace velmora::win32 {

// Where the program asks for updates and which pages it opens.
struct ProgramAddresses {
  Text updateHost;  // host or host:port
  Text errorPage;
  Text homepage;
};

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
};

// Ends the program at once, from anywhere: no handler runs any more, the
// exit routines run, and the process exits with the code.
[[noreturn]] void EndProgram(int exitCode);

// Retrieves and dispatches messages until WM_QUIT, each first passing the
// window's keyboard handling; returns WM_QUIT's exit code.
int RunMessageLoop(MainWindow& window);

// What runs once the window and its controls exist, before it is shown.
using CreatedHandler = void (*)(Program& program);

// From process start to exit code: prepares the process, builds the window
// hidden, runs the created handler, shows the window and runs the loop.
int RunProgram(HINSTANCE instance, const ProgramAddresses& addresses, CreatedHandler onCreated);

}  // namespace velmora::win32
