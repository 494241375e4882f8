#include "ui/program_lifecycle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/exit_routines.h"
#include "ui/handlers.h"

namespace velmora::ui {
namespace {

std::vector<std::string> steps;

struct ProcessExited {
  int code;
};

void RecordingExit(int exitCode) {
  steps.push_back("exit " + std::to_string(exitCode));
  throw ProcessExited{exitCode};  // stands in for leaving the process
}

void LaterRoutine() { steps.push_back("later routine"); }

// Handlers, once stopped, stay stopped for the process: under Wine these
// tests share one with the rest of ui_tests, which need no handler.
TEST(ProgramLifecycle, EndProgramStopsHandlersRunsTheExitRoutinesThenExits) {
  steps.clear();
  ProgramState state;
  state.programName = "Velmora";
  ProgramLifecycle lifecycle(
      state,
      [&] {
        steps.push_back(std::string("release run, handlers ") +
                        (HandlersStopped() ? "stopped" : "running") + ", name '" +
                        state.programName + "'");
      },
      &RecordingExit);
  AddExitRoutine(&LaterRoutine);
  EXPECT_THROW(EndProgram(3), ProcessExited);
  EXPECT_EQ(steps, (std::vector<std::string>{"release run, handlers stopped, name ''",
                                             "later routine", "exit 3"}));
}

TEST(ProgramLifecycle, ShutDownAfterTheLoopRunsTheRoutinesOnceAndDoesNotExit) {
  steps.clear();
  ProgramState state;
  state.programName = "Velmora";
  {
    ProgramLifecycle lifecycle(state, [] { steps.push_back("release run"); }, &RecordingExit);
    lifecycle.ShutDown();
    EXPECT_TRUE(HandlersStopped());
    EXPECT_EQ(state.programName, "");
  }  // the lifecycle's end runs nothing a second time
  EXPECT_EQ(steps, std::vector<std::string>{"release run"});
}

}  // namespace
}  // namespace velmora::ui
