#pragma once

#include <gtest/gtest.h>

#include "core/click_control.h"
#include "tests/core/fakes.h"

namespace velmora::testing {

inline constexpr std::int32_t kHotkeyId = 33001;

// The click control wired to a fake window and mouse as the program wires it
// after start-up: programName "Velmora", the hotkey registered as 33001.
class ClickControlTest : public ::testing::Test {
 protected:
  ClickControlTest() {
    state.programName = "Velmora";
    state.hotkeyId = kHotkeyId;
    window.onClickTimer = [this] { control.OnClickTick(); };
    window.onTimeLimitTimer = [this] { control.OnTimedStop(); };
  }

  void PressHotkey() { control.OnHotkey(kHotkeyId, 0); }
  bool Running() { return window.GetTimerPeriod(Timer::Click) != 0; }

  EventLog log;
  FakeWindow window{log};
  FakeMouse mouse{log};
  ProgramState state;
  ClickControl control{window, mouse, state};
};

}  // namespace velmora::testing
