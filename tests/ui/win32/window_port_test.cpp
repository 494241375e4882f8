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
    window->TimerOf(Timer::时钟1).onPeriodic = [this] { ++ticks; };
  }
  int ticks = 0;
};

TEST_F(TimerPortTest, StoringTheSamePeriodAgainKeepsTheTimerRunning) {
  port->SetTimerPeriod(Timer::时钟1, 200);
  // Restarting the timer every 50 ms would never let a 200 ms period elapse.
  const ULONGLONG end = GetTickCount64() + 1500;
  while (GetTickCount64() < end) {
    port->SetTimerPeriod(Timer::时钟1, 200);
    PumpFor(window.get(), 50);
  }
  EXPECT_GE(ticks, 3);
  EXPECT_EQ(port->GetTimerPeriod(Timer::时钟1), 200);
}

TEST_F(TimerPortTest, NegativePeriodStopsTheTimerAndReadsBackZero) {
  port->SetTimerPeriod(Timer::时钟1, 20);
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return ticks >= 2; }));
  port->SetTimerPeriod(Timer::时钟1, -5);
  EXPECT_EQ(port->GetTimerPeriod(Timer::时钟1), 0);
  const int ticksWhenStopped = ticks;
  PumpFor(window.get(), 300);
  EXPECT_EQ(ticks, ticksWhenStopped);
}

TEST_F(MainWindowTest, SetTickedRaisesNoClickedHandler) {
  // A real click on 选择框2 runs its handler, which unticks 选择框1 ...
  SendMessageW(Control(ControlId::选择框2), BM_CLICK, 0, 0);
  PumpFor(window.get(), 20);
  EXPECT_TRUE(port->IsTicked(Control::选择框2));
  EXPECT_FALSE(port->IsTicked(Control::选择框1));
  // ... while ticking through the port runs nothing.
  port->SetTicked(Control::选择框2, false);
  port->SetTicked(Control::选择框1, true);
  port->SetTicked(Control::选择框2, true);
  PumpFor(window.get(), 20);
  EXPECT_TRUE(port->IsTicked(Control::选择框1));
  EXPECT_TRUE(port->IsTicked(Control::选择框2));
}

TEST_F(MainWindowTest, SetTextIgnoresTheLimitThatTypingMeets) {
  port->SetText(Control::编辑框3, "123456789");
  EXPECT_EQ(port->GetText(Control::编辑框3), "123456789");
  port->SetText(Control::编辑框3, "1234");
  Focus(ControlId::编辑框3);
  SendMessageW(Control(ControlId::编辑框3), EM_SETSEL, 4, 4);
  PressKey('5');
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return port->GetText(Control::编辑框3) == "12345"; }));
  PressKey('6');  // the sixth character is refused
  PumpFor(window.get(), 150);
  EXPECT_EQ(port->GetText(Control::编辑框3), "12345");
  // The read-only position box takes a text from the program all the same.
  port->SetText(Control::编辑框4, "X:1 Y:2");
  EXPECT_EQ(port->GetText(Control::编辑框4), "X:1 Y:2");
}

TEST_F(MainWindowTest, TextsCrossTheBoundaryAsGbk) {
  port->SetCaption("Velmora - 已开始");
  EXPECT_EQ(WindowText(window->Handle()), "Velmora - 已开始");
  port->SetText(Control::编辑框1, "１００");
  EXPECT_EQ(port->GetText(Control::编辑框1), "１００");
  port->SetText(Control::编辑框1, "");
  EXPECT_EQ(port->GetText(Control::编辑框1), "");
}

TEST_F(MainWindowTest, DisabledSettingsRefuseAClickOnARadioButton) {
  RECT rect;
  GetWindowRect(Control(ControlId::鼠标2), &rect);
  const POINT middle{rect.left + 8, (rect.top + rect.bottom) / 2};
  port->SetSettingsEnabled(false);
  mouse.SimulateMouseClick(middle.x, middle.y, LeftClick);
  PumpFor(window.get(), 200);
  EXPECT_FALSE(port->IsTicked(Control::鼠标2));
  EXPECT_TRUE(port->IsTicked(Control::鼠标1));
  EXPECT_TRUE(IsWindowEnabled(Control(ControlId::鼠标2)));  // keeps its own state

  port->SetSettingsEnabled(true);
  mouse.SimulateMouseClick(middle.x, middle.y, LeftClick);
  ASSERT_TRUE(PumpUntil(
      window.get(), [&] { return port->IsTicked(Control::鼠标2); }, 3000));
  EXPECT_FALSE(port->IsTicked(Control::鼠标1));
}

TEST_F(MainWindowTest, StatusTextReplacesThePartText) {
  port->SetStatusText("左键点击 速度:100 毫秒 第 1 次");
  wchar_t text[64] = {};
  SendMessageW(Control(ControlId::状态条1), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(WideToGbk(text), "左键点击 速度:100 毫秒 第 1 次");
}

TEST_F(MainWindowTest, ClickRunStartedByTheHotkeyLandsOnAWindowOfTheTest) {
  ClickTarget target(40, 40, 120, 80);
  PumpFor(window.get(), 100);
  const POINT centre = target.Centre();
  SetCursorPos(centre.x, centre.y);
  port->SetText(Control::编辑框1, "20");
  port->SetText(Control::编辑框3, "5");
  control->OnHotkey(33001, 0);
  EXPECT_EQ(WindowText(window->Handle()), "Velmora - 已开始");
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return port->GetTimerPeriod(Timer::时钟1) == 0; }));
  PumpFor(window.get(), 200);
  ASSERT_EQ(target.presses.size(), 10u);
  for (std::size_t i = 0; i < target.presses.size(); ++i) {
    EXPECT_EQ(target.presses[i].message, i % 2 ? WM_LBUTTONUP : WM_LBUTTONDOWN);
    EXPECT_EQ(target.presses[i].screen.x, centre.x);
    EXPECT_EQ(target.presses[i].screen.y, centre.y);
  }
  EXPECT_EQ(WindowText(window->Handle()), "Velmora - 已停止");
  wchar_t status[64] = {};
  SendMessageW(Control(ControlId::状态条1), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_EQ(WideToGbk(status), "左键点击 速度:20 毫秒 第 5 次");
}

}  // namespace
}  // namespace velmora::win32::testing
