#include "ui/window_created.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/conversions.h"
#include "core/message_box_values.h"
#include "tests/core/fakes.h"
#include "ui/exit_routines.h"

namespace velmora::ui {
namespace {

using Log = std::vector<std::string>;

class RecordingUpdatePorts : public WebFetch, public UpdateShell {
 public:
  explicit RecordingUpdatePorts(testing::EventLog& log) : log_(log) {}
  ByteString ReadWebBytes(const Text& address) override {
    log_.Add("fetch " + address);
    return reply;
  }
  int ShowMessage(const Text& text, int, const Text&) override {
    log_.Add("box " + text);
    return message_box::kNo;  // declines every offer
  }
  void OpenWebPage(const Text& address) override { log_.Add("open " + address); }
  void EndProgram(int exitCode) override { log_.Add("end " + IntegerToText(exitCode)); }
  ByteString reply;

 private:
  testing::EventLog& log_;
};

struct CreatedCase {
  int hotkeyResult;
  ByteString reply;
  Log afterRegistration;
};

class WindowCreated : public ::testing::TestWithParam<CreatedCase> {};

TEST_P(WindowCreated, CaptionNameHotkeyThenUpdateCheck) {
  testing::EventLog log;
  testing::FakeWindow window(log);
  ProgramState state;
  RecordingUpdatePorts ports(log);
  ports.reply = GetParam().reply;
  OnWindowCreated(
      window, state,
      [&](int modifiers, int keyCode) {
        log.Add("register " + IntegerToText(modifiers) + "+" + IntegerToText(keyCode) +
                " name=" + state.programName);
        return GetParam().hotkeyResult;
      },
      {.updateHost = "127.0.0.1:1", .errorPage = "http://127.0.0.1:1/error.html", .homepage = ""},
      ports, ports);
  Log expected{"caption=Velmora V1.8", "register 4+68 name=Velmora",
               "fetch http://127.0.0.1:1/client/api.asp?code=10022"};
  expected.insert(expected.end(), GetParam().afterRegistration.begin(),
                  GetParam().afterRegistration.end());
  EXPECT_EQ(log.entries, expected);
  EXPECT_EQ(state.hotkeyId, GetParam().hotkeyResult);
  EXPECT_EQ(state.programName, "Velmora");
}

// A declined offer ends the program, since the update is forced.
INSTANTIATE_TEST_SUITE_P(Starts, WindowCreated,
                         ::testing::Values(CreatedCase{33001, "", {}}, CreatedCase{0, "", {}},
                                           CreatedCase{33001,
                                                       "<!--ver-->2<!--verend-->",
                                                       {"box 发现新版:2\r\n", "end 0"}}));

std::vector<int> ran;
void First() { ran.push_back(1); }
void Second() { ran.push_back(2); }

TEST(ExitRoutines, RunOnceEachInOrderOfAddition) {
  ran.clear();
  AddExitRoutine(&First);
  AddExitRoutine(&Second);
  AddExitRoutine(&First);
  RunExitRoutines();
  RunExitRoutines();
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace velmora::ui
