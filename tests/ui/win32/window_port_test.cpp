#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/ui/win32/window_fixture.h"
#include "ui/win32/gbk.h"

namespace velmora::win32::testing {
namespace {

// Counts the ticks of a timer window instead of running the click control.
class TimerPortTest : public MainWindowTest {
 protected:
  TimerPortTest() {
    window->TimerOf(Timer::Click).onPeriodic = [this] { ++ticks; };
  }
  int ticks = 0;
};

TEST_F(TimerPortTest, StoringTheSamePeriodAgainKeepsTheTimerRunning) {
  port->SetTimerPeriod(Timer::Click, 200);
  // Restarting the timer every 50 ms would never let a 200 ms period elapse.
  const ULONGLONG end = GetTickCount64() + 1500;
  while (GetTickCount64() < end) {
    port->SetTimerPeriod(Timer::Click, 200);
    PumpFor(window.get(), 50);
  }
  EXPECT_GE(ticks, 3);
  EXPECT_EQ(port->GetTimerPeriod(Timer::Click), 200);
}

TEST_F(TimerPortTest, NegativePeriodStopsTheTimerAndReadsBackZero) {
  port->SetTimerPeriod(Timer::Click, 20);
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return ticks >= 2; }));
  port->SetTimerPeriod(Timer::Click, -5);
  EXPECT_EQ(port->GetTimerPeriod(Timer::Click), 0);
  const int ticksWhenStopped = ticks;
  PumpFor(window.get(), 300);
  EXPECT_EQ(ticks, ticksWhenStopped);
}

TEST_F(MainWindowTest, SetTickedRaisesNoClickedHandler) {
  // A real click on TimeLimitOn runs its handler, which unticks CountLimitOn ...
  SendMessageW(Control(ControlId::TimeLimitOn), BM_CLICK, 0, 0);
  PumpFor(window.get(), 20);
  EXPECT_TRUE(port->IsTicked(Control::TimeLimitOn));
  EXPECT_FALSE(port->IsTicked(Control::CountLimitOn));
  // ... while ticking through the port runs nothing.
  port->SetTicked(Control::TimeLimitOn, false);
  port->SetTicked(Control::CountLimitOn, true);
  port->SetTicked(Control::TimeLimitOn, true);
  PumpFor(window.get(), 20);
  EXPECT_TRUE(port->IsTicked(Control::CountLimitOn));
  EXPECT_TRUE(port->IsTicked(Control::TimeLimitOn));
}

TEST_F(MainWindowTest, SetTextIgnoresTheLimitThatTypingMeets) {
  port->SetText(Control::CountBox, "123456789");
  EXPECT_EQ(port->GetText(Control::CountBox), "123456789");
  port->SetText(Control::CountBox, "1234");
  Focus(ControlId::CountBox);
  SendMessageW(Control(ControlId::CountBox), EM_SETSEL, 4, 4);
  PressKey('5');
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return port->GetText(Control::CountBox) == "12345"; }));
  PressKey('6');  // the sixth character is refused
  PumpFor(window.get(), 150);
  EXPECT_EQ(port->GetText(Control::CountBox), "12345");
  // The read-only position box takes a text from the program all the same.
  port->SetText(Control::PositionBox, "X:1 Y:2");
  EXPECT_EQ(port->GetText(Control::PositionBox), "X:1 Y:2");
}

TEST_F(MainWindowTest, TextsCrossTheBoundaryAsGbk) {
  port->SetCaption("Velmora - 已开始");
  EXPECT_EQ(WindowText(window->Handle()), "Velmora - 已开始");
  port->SetText(Control::IntervalBox, "１００");
  EXPECT_EQ(port->GetText(Control::IntervalBox), "１００");
  port->SetText(Control::IntervalBox, "");
  EXPECT_EQ(port->GetText(Control::IntervalBox), "");
}

TEST_F(MainWindowTest, DisabledSettingsRefuseAClickOnARadioButton) {
  RECT rect;
  GetWindowRect(Control(ControlId::RightClickMode), &rect);
  const POINT middle{rect.left + 8, (rect.top + rect.bottom) / 2};
  port->SetSettingsEnabled(false);
  mouse.SimulateMouseClick(middle.x, middle.y, LeftClick);
  PumpFor(window.get(), 200);
  EXPECT_FALSE(port->IsTicked(Control::RightClickMode));
  EXPECT_TRUE(port->IsTicked(Control::LeftClickMode));
  EXPECT_TRUE(IsWindowEnabled(Control(ControlId::RightClickMode)));  // keeps its own state

  port->SetSettingsEnabled(true);
  mouse.SimulateMouseClick(middle.x, middle.y, LeftClick);
  ASSERT_TRUE(PumpUntil(
      window.get(), [&] { return port->IsTicked(Control::RightClickMode); }, 3000));
  EXPECT_FALSE(port->IsTicked(Control::LeftClickMode));
}

TEST_F(MainWindowTest, StatusTextReplacesThePartText) {
  port->SetStatusText("左键点击 速度:100 毫秒 第 1 次");
  wchar_t text[64] = {};
  SendMessageW(Control(ControlId::StatusBar), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(WideToGbk(text), "左键点击 速度:100 毫秒 第 1 次");
}

TEST_F(MainWindowTest, ClickRunStartedByTheHotkeyLandsOnAWindowOfTheTest) {
  ClickTarget target(40, 40, 120, 80);
  PumpFor(window.get(), 100);
  const POINT centre = target.Centre();
  SetCursorPos(centre.x, centre.y);
  port->SetText(Control::IntervalBox, "20");
  port->SetText(Control::CountBox, "5");
  control->OnHotkey(33001, 0);
  EXPECT_EQ(WindowText(window->Handle()), "Velmora - 已开始");
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return port->GetTimerPeriod(Timer::Click) == 0; }));
  PumpFor(window.get(), 200);
  ASSERT_EQ(target.presses.size(), 10u);
  for (std::size_t i = 0; i < target.presses.size(); ++i) {
    EXPECT_EQ(target.presses[i].message, i % 2 ? WM_LBUTTONUP : WM_LBUTTONDOWN);
    EXPECT_EQ(target.presses[i].screen.x, centre.x);
    EXPECT_EQ(target.presses[i].screen.y, centre.y);
  }
  EXPECT_EQ(WindowText(window->Handle()), "Velmora - 已停止");
  wchar_t status[64] = {};
  SendMessageW(Control(ControlId::StatusBar), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_EQ(WideToGbk(status), "左键点击 速度:20 毫秒 第 5 次");
}

}  // namespace
}  // namespace velmora::win32::testing
