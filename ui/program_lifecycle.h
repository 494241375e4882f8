#pragma once

#include <functional>

#include "core/program_state.h"
#include "core/text.h"

namespace velmora::ui {

// Where the program asks for updates and which pages it opens: fixed per
// build, the same for every shell.
struct ProgramAddresses {
  Text updateHost;  // host or host:port
  Text errorPage;
  Text homepage;
};

// Leaves the process at once with the exit code; must not return.
using ProcessExit = void (*)(int exitCode);

// The running program's beginning and end, the same in every shell. While
// it lives, its exit routine is listed: it releases programName, then lets
// the shell give back what a click run holds. The end comes in one order,
// whichever way the program ends: no handler runs any more, then the exit
// routines run, then (for EndProgram) the process exits.
class ProgramLifecycle {
 public:
  ProgramLifecycle(ProgramState& state, std::function<void()> releaseRun, ProcessExit exit);
  ~ProgramLifecycle();
  ProgramLifecycle(const ProgramLifecycle&) = delete;
  ProgramLifecycle& operator=(const ProgramLifecycle&) = delete;

  // After the message loop has ended.
  void ShutDown();
  // From anywhere, at once.
  [[noreturn]] void End(int exitCode);

 private:
  static void OnProgramExit();

  ProgramState& state_;
  std::function<void()> releaseRun_;
  ProcessExit exit_;
};

// Ends the running program from anywhere (the update check ends it so);
// without one, only the exit routines run before the process exits.
[[noreturn]] void EndProgram(int exitCode);

}  // namespace velmora::ui
