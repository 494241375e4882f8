#include "ui/program_lifecycle.h"

#include <cstdlib>

#include "ui/exit_routines.h"
#include "ui/handlers.h"

namespace velmora::ui {
namespace {

ProgramLifecycle* running = nullptr;

// The end's order, whichever way the program ends.
void StopHandlersThenRunExitRoutines() {
  StopHandlers();
  RunExitRoutines();  // a second pass runs none
}

}  // namespace

ProgramLifecycle::ProgramLifecycle(ProgramState& state, std::function<void()> releaseRun,
                                   ProcessExit exit)
    : state_(state), releaseRun_(std::move(releaseRun)), exit_(exit) {
  running = this;
  AddExitRoutine(&ProgramLifecycle::OnProgramExit);
}

ProgramLifecycle::~ProgramLifecycle() {
  ShutDown();
  if (running == this) running = nullptr;
}

void ProgramLifecycle::OnProgramExit() {
  if (!running) return;
  running->state_.programName.clear();
  if (running->releaseRun_) running->releaseRun_();
}

void ProgramLifecycle::ShutDown() { StopHandlersThenRunExitRoutines(); }

void ProgramLifecycle::End(int exitCode) {
  ShutDown();
  exit_(exitCode);
  std::abort();  // an exit that returned: never go back into the program
}

void EndProgram(int exitCode) {
  if (running) running->End(exitCode);
  StopHandlersThenRunExitRoutines();
  std::exit(exitCode);
}

}  // namespace velmora::ui
