#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/click_fixture.h"

namespace velmora::testing {
namespace {

using Log = std::vector<std::string>;

TEST_F(ClickControlTest, TypicalRunClicksThirtyTimesThenStopsWithoutClicking) {
  mouse.cursor = {300, 200};
  PressHotkey();
  EXPECT_EQ(window.Caption(), "Velmora - 已开始");
  EXPECT_FALSE(window.SettingsEnabled());
  EXPECT_EQ(window.GetTimerPeriod(Timer::Click), 100);

  window.AdvanceBy(3000);
  EXPECT_TRUE(Running());
  EXPECT_EQ(mouse.buttons.size(), 60u);
  window.AdvanceBy(100);  // the 31st tick
  EXPECT_FALSE(Running());
  window.AdvanceBy(10000);

  Log expectedStatus;
  for (int n = 1; n <= 30; ++n) {
    expectedStatus.push_back("status=左键点击 速度:100 毫秒 第 " + std::to_string(n) + " 次");
  }
  EXPECT_EQ(log.Starting("status="), expectedStatus);
  EXPECT_EQ(log.Starting("click "), Log(30, "click 300,200 kind 0"));
  EXPECT_EQ(window.StatusText(), "左键点击 速度:100 毫秒 第 30 次");
  EXPECT_EQ(window.Caption(), "Velmora - 已停止");
  EXPECT_TRUE(window.SettingsEnabled());
  EXPECT_EQ(state.clickCounter, 0);
  // The count limit leaves the time-limit timer alone.
  EXPECT_TRUE(log.Starting("timer 时钟2定时").empty());
}

TEST_F(ClickControlTest, StartWithoutCountLimitArmsTheTimeLimitBeforeTheClickTimer) {
  window.Tick(Control::CountLimitOn, false);  // TimeLimitOn stays unticked too
  PressHotkey();
  EXPECT_EQ(log.entries, (Log{"timer 时钟2定时=60000", "timer 时钟1=100", "enabled=0",
                              "caption=Velmora - 已开始"}));
}

TEST_F(ClickControlTest, StopRestoresTheIdleWindowAndKeepsTheStatusText) {
  PressHotkey();
  window.AdvanceBy(250);
  log.entries.clear();
  PressHotkey();
  EXPECT_EQ(log.entries, (Log{"timer 时钟1=0", "enabled=1", "caption=Velmora - 已停止"}));
  EXPECT_EQ(window.StatusText(), "左键点击 速度:100 毫秒 第 2 次");
  EXPECT_EQ(state.clickCounter, 0);
}

TEST_F(ClickControlTest, HotkeyWithAnotherIdentifierChangesNothing) {
  control.OnHotkey(33002, 0);
  control.OnHotkey(0, 0);
  EXPECT_TRUE(log.entries.empty());
  PressHotkey();
  control.OnHotkey(33002, 0);
  EXPECT_TRUE(Running());
}

struct IntervalCase {
  const char* text;
  std::int32_t period;
};

class IntervalTable : public ClickControlTest,
                      public ::testing::WithParamInterface<IntervalCase> {};

TEST_P(IntervalTable, IntervalTextBecomesTheClickPeriod) {
  window.Type(Control::IntervalBox, GetParam().text);
  PressHotkey();
  EXPECT_EQ(window.GetTimerPeriod(Timer::Click), GetParam().period);
}

INSTANTIATE_TEST_SUITE_P(Texts, IntervalTable,
                         ::testing::Values(IntervalCase{.text = "100", .period = 100}, IntervalCase{.text = "1.9", .period = 1},
                                           IntervalCase{.text = " 100", .period = 100}, IntervalCase{.text = "１０", .period = 10},
                                           IntervalCase{.text = "0", .period = 0}, IntervalCase{.text = "-5", .period = 0},
                                           IntervalCase{.text = "abc", .period = 0}, IntervalCase{.text = "", .period = 0}));

class NoPeriodTable : public ClickControlTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NoPeriodTable, AnIntervalThatGivesNoPeriodLeavesTheWindowIdle) {
  window.Tick(Control::CountLimitOn, false);  // a time limit would be armed by a real start
  window.Type(Control::IntervalBox, GetParam());
  for (int press = 0; press < 2; ++press) {
    log.entries.clear();
    PressHotkey();
    // No timer, no lock, no caption: only the reason, in the status bar.
    EXPECT_EQ(log.entries, (Log{"status=间隔须为正整数毫秒"}));
  }
  EXPECT_EQ(window.Caption(), "Velmora V1.8");
  EXPECT_TRUE(window.SettingsEnabled());
  EXPECT_EQ(window.GetTimerPeriod(Timer::TimeLimit), 0);
  window.AdvanceBy(120000);
  EXPECT_TRUE(mouse.buttons.empty());
  // A valid interval then starts a run as usual.
  window.Type(Control::IntervalBox, "100");
  PressHotkey();
  EXPECT_EQ(window.Caption(), "Velmora - 已开始");
}

INSTANTIATE_TEST_SUITE_P(Texts, NoPeriodTable,
                         ::testing::Values("0", "-5", "abc", "", "0.5", "1e30"));

TEST_F(ClickControlTest, StatusShowsTheIntervalTextAsTyped) {
  window.Type(Control::IntervalBox, "1.9");
  PressHotkey();
  window.AdvanceBy(1);
  EXPECT_EQ(window.StatusText(), "左键点击 速度:1.9 毫秒 第 1 次");
}

struct MinutesCase {
  const char* text;
  std::int32_t period;
};

class MinutesTable : public ClickControlTest, public ::testing::WithParamInterface<MinutesCase> {};

TEST_P(MinutesTable, MinutesBecomeTheTimeLimitPeriod) {
  window.Tick(Control::CountLimitOn, false);
  window.Tick(Control::TimeLimitOn, true);
  window.Type(Control::MinutesBox, GetParam().text);
  PressHotkey();
  EXPECT_EQ(window.GetTimerPeriod(Timer::TimeLimit), GetParam().period);
}

// 35792 minutes are 2,147,520,000 ms, which turns negative and arms nothing;
// 71583 minutes wrap around to 12,704 ms.
INSTANTIATE_TEST_SUITE_P(Texts, MinutesTable,
                         ::testing::Values(MinutesCase{.text = "1", .period = 60000}, MinutesCase{.text = "0.5", .period = 30000},
                                           MinutesCase{.text = "0.05", .period = 3000}, MinutesCase{.text = "abc", .period = 0},
                                           MinutesCase{.text = "-1", .period = 0}, MinutesCase{.text = "35792", .period = 0},
                                           MinutesCase{.text = "71583", .period = 12704}));

TEST_F(ClickControlTest, StartWithCountLimitLeavesARunningTimeLimitAlone) {
  window.Tick(Control::CountLimitOn, false);
  window.Type(Control::MinutesBox, "0.05");  // 3000 ms
  PressHotkey();
  window.AdvanceBy(1000);
  PressHotkey();  // stop by hand; the time limit keeps running
  window.Tick(Control::CountLimitOn, true);
  window.Type(Control::CountBox, "1000");
  PressHotkey();
  EXPECT_EQ(log.Starting("timer 时钟2定时"), Log{"timer 时钟2定时=3000"});
  window.AdvanceTo(2999);
  EXPECT_TRUE(Running());
  window.AdvanceTo(3000);
  EXPECT_FALSE(Running());
}

TEST_F(ClickControlTest, TimeLimitEndsTheRunByItself) {
  window.Tick(Control::CountLimitOn, false);
  window.Tick(Control::TimeLimitOn, true);
  window.Type(Control::IntervalBox, "70");
  window.Type(Control::MinutesBox, "0.05");
  PressHotkey();
  window.AdvanceTo(2999);
  EXPECT_TRUE(Running());
  window.AdvanceTo(3000);
  EXPECT_FALSE(Running());
  EXPECT_EQ(window.GetTimerPeriod(Timer::TimeLimit), 0);
  EXPECT_EQ(window.Caption(), "Velmora - 已停止");
  EXPECT_EQ(mouse.buttons.size(), 2u * 42);  // ticks at 70, 140, ..., 2940
  // Without a count limit the status counts on past 30.
  EXPECT_EQ(window.StatusText(), "左键点击 速度:70 毫秒 第 42 次");
  window.AdvanceBy(60000);
  EXPECT_EQ(mouse.buttons.size(), 2u * 42);
}

TEST_F(ClickControlTest, TimeLimitSurvivesAStopAndEndsARestartAtTheOldDeadline) {
  window.Tick(Control::CountLimitOn, false);
  window.Type(Control::MinutesBox, "0.05");  // 3000 ms
  PressHotkey();
  window.AdvanceTo(1000);
  PressHotkey();
  window.AdvanceTo(2000);
  PressHotkey();  // same minutes: the time-limit timer keeps its phase
  window.AdvanceTo(2999);
  EXPECT_TRUE(Running());
  window.AdvanceTo(3000);
  EXPECT_FALSE(Running());
}

TEST_F(ClickControlTest, RestartWithOtherMinutesRestartsTheTimeLimitFromThatMoment) {
  window.Tick(Control::CountLimitOn, false);
  window.Type(Control::MinutesBox, "0.05");
  PressHotkey();
  window.AdvanceTo(1000);
  PressHotkey();
  window.AdvanceTo(2000);
  window.Type(Control::MinutesBox, "0.1");  // 6000 ms
  PressHotkey();
  window.AdvanceTo(7999);
  EXPECT_TRUE(Running());
  window.AdvanceTo(8000);
  EXPECT_FALSE(Running());
}

TEST_F(ClickControlTest, TimeLimitFiringOnAnIdleWindowRepeatsTheStopOnce) {
  window.Tick(Control::CountLimitOn, false);
  window.Type(Control::MinutesBox, "0.05");
  PressHotkey();
  window.AdvanceTo(500);
  PressHotkey();
  log.entries.clear();
  window.AdvanceTo(20000);
  EXPECT_EQ(log.entries, (Log{"timer 时钟1=0", "timer 时钟2定时=0", "timer 时钟1=0", "enabled=1",
                              "caption=Velmora - 已停止"}));
  EXPECT_EQ(state.clickCounter, 0);
}

}  // namespace
}  // namespace velmora::testing
