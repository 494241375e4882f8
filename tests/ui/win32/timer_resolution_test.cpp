#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/win32/window_fixture.h"

namespace velmora::win32::testing {
namespace {

using Requests = std::vector<std::string>;

// Each way a run started by the hotkey can end.
enum class WayOut { Hotkey, CountLimit, TimeLimit, WindowClosed, WindowObjectGone };

class TimerResolutionTest : public MainWindowTest, public ::testing::WithParamInterface<WayOut> {
 protected:
  bool Running() { return window && window->Handle() && port->GetTimerPeriod(Timer::Click) != 0; }

  void Prepare(WayOut way) {
    if (way == WayOut::CountLimit) port->SetText(Control::CountBox, "3");
    if (way == WayOut::TimeLimit) {
      port->SetTicked(Control::CountLimitOn, false);
      port->SetText(Control::MinutesBox, "0.002");  // 120 ms
    }
  }

  void End(WayOut way) {
    switch (way) {
      case WayOut::Hotkey:
        control->OnHotkey(33001, 0);
        break;
      case WayOut::CountLimit:
      case WayOut::TimeLimit:
        ASSERT_TRUE(PumpUntil(window.get(), [&] { return !Running(); }, 10000));
        break;
      case WayOut::WindowClosed:  // Esc and the close box end here
        SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
        PumpFor(nullptr, 20);
        break;
      case WayOut::WindowObjectGone:
        control.reset();
        port.reset();
        window.reset();
        break;
    }
  }
};

TEST_P(TimerResolutionTest, EveryWayOutGivesTheFineTickBack) {
  port->SetText(Control::IntervalBox, "10");
  Prepare(GetParam());
  control->OnHotkey(33001, 0);
  ASSERT_TRUE(Running());
  EXPECT_EQ(resolution.requests, (Requests{"begin"}));
  End(GetParam());
  EXPECT_FALSE(Running());
  EXPECT_EQ(resolution.requests, (Requests{"begin", "end"}));
}

INSTANTIATE_TEST_SUITE_P(Runs, TimerResolutionTest,
                         ::testing::Values(WayOut::Hotkey, WayOut::CountLimit, WayOut::TimeLimit,
                                           WayOut::WindowClosed, WayOut::WindowObjectGone));

TEST_F(MainWindowTest, NoFineTickWithoutARun) {
  port->SetText(Control::IntervalBox, "abc");
  control->OnHotkey(33001, 0);
  PumpFor(window.get(), 50);
  EXPECT_EQ(resolution.requests, Requests{});
}

}  // namespace
}  // namespace velmora::win32::testing
