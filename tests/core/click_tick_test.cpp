#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "tests/core/click_fixture.h"

namespace velmora::testing {
namespace {

using Log = std::vector<std::string>;

constexpr int kNeverStops = -1;  // the count never matches the limit

struct LimitCase {
  const char* limit;
  int clicksBeforeStop;
};

class CountLimitTable : public ClickControlTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(CountLimitTable, StopsOnTheTickAfterTheLimit) {
  window.Type(Control::CountBox, GetParam().limit);
  PressHotkey();
  window.AdvanceBy(100 * 200);
  const int clicks = static_cast<int>(log.Starting("click ").size());
  if (GetParam().clicksBeforeStop == kNeverStops) {
    EXPECT_TRUE(Running());
    EXPECT_EQ(clicks, 200);
  } else {
    EXPECT_FALSE(Running());
    EXPECT_EQ(clicks, GetParam().clicksBeforeStop);
  }
}

// Counts within 1e-7 of the limit are equal: 29.99999995 still ends after 30
// clicks, 29.9999998 never matches.
INSTANTIATE_TEST_SUITE_P(
    Limits, CountLimitTable,
    ::testing::Values(LimitCase{.limit = "30", .clicksBeforeStop = 30}, LimitCase{.limit = "1", .clicksBeforeStop = 1}, LimitCase{.limit = "29.99999995", .clicksBeforeStop = 30},
                      LimitCase{.limit = "30.00000005", .clicksBeforeStop = 30}, LimitCase{.limit = "29.9999998", .clicksBeforeStop = kNeverStops},
                      LimitCase{.limit = "1e1", .clicksBeforeStop = 10}, LimitCase{.limit = "５", .clicksBeforeStop = 5}, LimitCase{.limit = "0", .clicksBeforeStop = 0},
                      LimitCase{.limit = "abc", .clicksBeforeStop = 0}, LimitCase{.limit = "", .clicksBeforeStop = 0}, LimitCase{.limit = "2.5", .clicksBeforeStop = kNeverStops},
                      LimitCase{.limit = "-1", .clicksBeforeStop = kNeverStops}, LimitCase{.limit = "1e400", .clicksBeforeStop = kNeverStops}));

TEST_F(ClickControlTest, FirstTickStopsWithoutClickOrStatusWhenTheLimitIsZero) {
  window.Type(Control::CountBox, "0");
  PressHotkey();
  log.entries.clear();
  window.AdvanceBy(100);
  EXPECT_EQ(log.entries, (Log{"timer 时钟1=0", "enabled=1", "caption=Velmora - 已停止"}));
  EXPECT_EQ(window.StatusText(), "开始吧~！");
}

TEST_F(ClickControlTest, WithoutCountLimitTheLimitTextIsNotRead) {
  window.Tick(Control::CountLimitOn, false);
  window.Type(Control::CountBox, "0");
  PressHotkey();
  window.AdvanceBy(100 * 50);
  EXPECT_EQ(log.Starting("click ").size(), 50u);
}

TEST_F(ClickControlTest, LimitIsReadAgainAtEveryTick) {
  PressHotkey();
  window.AdvanceBy(500);
  window.Type(Control::CountBox, "7");
  window.AdvanceBy(10000);
  EXPECT_EQ(log.Starting("click ").size(), 7u);
}

struct ModeCase {
  Control radio;
  const char* statusLabel;
  ClickKind kind;
  std::vector<ButtonEvent> buttons;
};

class ModeTable : public ClickControlTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTable, CursorModeClicksAtTheCursorThenWritesItsLabel) {
  const ModeCase& mode = GetParam();
  window.Choose(mode.radio);
  mouse.cursor = {-20, 35};
  PressHotkey();
  log.entries.clear();
  window.AdvanceBy(100);
  EXPECT_EQ(log.entries, (Log{"click -20,35 kind " + std::to_string(mode.kind),
                              std::string("status=") + mode.statusLabel + "100 毫秒 第 1 次"}));
  std::vector<ButtonEvent> sent;
  for (const RecordedButton& button : mouse.buttons) sent.push_back(button.event);
  EXPECT_EQ(sent, mode.buttons);
}

using enum ButtonEvent;
INSTANTIATE_TEST_SUITE_P(
    Modes, ModeTable,
    ::testing::Values(ModeCase{.radio = Control::LeftClickMode,
                               .statusLabel = "左键点击 速度:",
                               .kind = LeftClick,
                               .buttons = {LeftDown, LeftUp}},
                      ModeCase{.radio = Control::RightClickMode,
                               .statusLabel = "右键点击 速度:",
                               .kind = RightClick,
                               .buttons = {RightDown, RightUp}},
                      // The double click's label names the right button, as users know it.
                      ModeCase{.radio = Control::DoubleClickMode,
                               .statusLabel = "右键双击 速度:",
                               .kind = LeftDoubleClick,
                               .buttons = {LeftDown, LeftUp, LeftDown, LeftUp}}));

TEST_F(ClickControlTest, LocateModeWritesItsLabelThenClicksAtTheCapturedPoint) {
  window.Choose(Control::LocateMode);
  mouse.cursor = {812, 430};
  control.CapturePosition(32, 0);
  mouse.cursor = {5, 5};
  PressHotkey();
  log.entries.clear();
  window.AdvanceBy(200);
  EXPECT_EQ(log.entries, (Log{"status=定位点击 速度:100 毫秒 第 1 次", "click 812,430 kind 0",
                              "status=定位点击 速度:100 毫秒 第 2 次", "click 812,430 kind 0"}));
  EXPECT_EQ(mouse.cursor.x, 812);
  EXPECT_EQ(mouse.cursor.y, 430);
}

TEST_F(ClickControlTest, LocateModeWithoutPositionStopsFirstThenWarns) {
  window.Choose(Control::LocateMode);
  PressHotkey();
  log.entries.clear();
  window.AdvanceBy(1000);
  EXPECT_EQ(log.entries, (Log{"timer 时钟1=0", "enabled=1", "caption=Velmora - 已停止",
                              "message=没有设置位置|0|警告:", "message closed"}));
  EXPECT_EQ(window.StatusText(), "开始吧~！");
  EXPECT_EQ(state.clickCounter, 0);
}

TEST_F(ClickControlTest, AnyTextButTheUnsetMarkCountsAsASetPosition) {
  window.Choose(Control::LocateMode);
  window.Type(Control::PositionBox, "");
  PressHotkey();
  window.AdvanceBy(100);
  EXPECT_EQ(log.Starting("click "), Log{"click 0,0 kind 0"});
}

TEST_F(ClickControlTest, HotkeyInsideTheWarningStartsARunThatTheNextTickStopsAgain) {
  window.Choose(Control::LocateMode);
  int boxesOpen = 0;
  window.whileMessageShown = [&] {
    if (++boxesOpen == 1) {
      PressHotkey();  // the box's own loop still delivers the hotkey and ticks
      window.AdvanceBy(100);
    }
    return 0;
  };
  PressHotkey();
  window.AdvanceBy(100);
  EXPECT_EQ(boxesOpen, 2);
  EXPECT_FALSE(Running());
  EXPECT_TRUE(log.Starting("click ").empty());
}

TEST_F(ClickControlTest, ModeTestsAreSeparateSoEveryChosenModeActs) {
  // The radio buttons exclude each other in the window; the tick does not
  // rely on it and makes all four tests in turn.
  for (Control radio : {Control::LeftClickMode, Control::RightClickMode, Control::LocateMode, Control::DoubleClickMode}) {
    window.Tick(radio, true);
  }
  window.Type(Control::PositionBox, "X:1 Y:2");
  state.capturedX = 1;
  state.capturedY = 2;
  mouse.cursor = {9, 9};
  PressHotkey();
  log.entries.clear();
  window.AdvanceBy(100);
  EXPECT_EQ(log.entries,
            (Log{"click 9,9 kind 0", "status=左键点击 速度:100 毫秒 第 1 次", "click 9,9 kind 2",
                 "status=右键点击 速度:100 毫秒 第 1 次", "status=定位点击 速度:100 毫秒 第 1 次",
                 "click 1,2 kind 0", "click 1,2 kind 1", "status=右键双击 速度:100 毫秒 第 1 次"}));
}

TEST_F(ClickControlTest, WithNoModeChosenTicksOnlyCountAndApplyTheLimit) {
  window.Tick(Control::LeftClickMode, false);
  window.Type(Control::CountBox, "3");
  PressHotkey();
  window.AdvanceBy(1000);
  EXPECT_FALSE(Running());
  EXPECT_TRUE(log.Starting("click ").empty());
  EXPECT_TRUE(log.Starting("status=").empty());
  EXPECT_EQ(log.Starting("caption="),
            (Log{"caption=Velmora - 已开始", "caption=Velmora - 已停止"}));
}

TEST_F(ClickControlTest, CounterStaysAtItsLargestValueInsteadOfOverflowing) {
  window.Tick(Control::CountLimitOn, false);
  PressHotkey();
  state.clickCounter = std::numeric_limits<std::int32_t>::max() - 1;
  window.AdvanceBy(300);
  EXPECT_EQ(log.Starting("status="), (Log(3, "status=左键点击 速度:100 毫秒 第 2147483647 次")));
  EXPECT_EQ(state.clickCounter, std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace velmora::testing
