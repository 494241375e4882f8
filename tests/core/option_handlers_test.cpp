#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/click_fixture.h"

namespace velmora::testing {
namespace {

using Log = std::vector<std::string>;

struct ExclusionCase {
  bool countTickedAfterClick;
  bool timeTickedBefore;
  bool clickedCount;  // false: the user clicked TimeLimitOn
  bool countTickedAfter;
  bool timeTickedAfter;
};

class LimitBoxExclusion : public ClickControlTest,
                          public ::testing::WithParamInterface<ExclusionCase> {};

// The handlers run after the click has changed the tick; ticking one box
// unticks the other, unticking leaves the other as it was.
TEST_P(LimitBoxExclusion, TickingOneBoxUnticksTheOther) {
  const ExclusionCase& c = GetParam();
  window.Tick(Control::CountLimitOn, c.countTickedAfterClick);
  window.Tick(Control::TimeLimitOn, c.timeTickedBefore);
  if (c.clickedCount) {
    control.OnCountLimitClicked();
  } else {
    control.OnTimeLimitClicked();
  }
  EXPECT_EQ(window.IsTicked(Control::CountLimitOn), c.countTickedAfter);
  EXPECT_EQ(window.IsTicked(Control::TimeLimitOn), c.timeTickedAfter);
}

INSTANTIATE_TEST_SUITE_P(Clicks, LimitBoxExclusion,
                         ::testing::Values(
                             // CountLimitOn clicked: ticked now, TimeLimitOn was ticked
                             ExclusionCase{true, true, true, true, false},
                             // CountLimitOn clicked again: both unticked
                             ExclusionCase{false, false, true, false, false},
                             // TimeLimitOn clicked while CountLimitOn ticked
                             ExclusionCase{true, true, false, false, true},
                             // TimeLimitOn unticked by its click: CountLimitOn stays unticked
                             ExclusionCase{false, false, false, false, false}));

TEST_F(ClickControlTest, ChoosingLocateModeFocusesThePositionBox) {
  control.OnLocateModeClicked();
  EXPECT_EQ(log.entries, Log{"focus=编辑框4"});
}

struct CaptureCase {
  ScreenPoint cursor;
  const char* text;
};

class CaptureTable : public ClickControlTest, public ::testing::WithParamInterface<CaptureCase> {};

TEST_P(CaptureTable, SpaceBarStoresTheCursorAndShowsIt) {
  mouse.cursor = GetParam().cursor;
  control.CapturePosition(32, 2);  // Shift held: captures like the bare space bar
  EXPECT_EQ(state.capturedX, GetParam().cursor.x);
  EXPECT_EQ(state.capturedY, GetParam().cursor.y);
  EXPECT_EQ(log.entries, Log{std::string("text 编辑框4=") + GetParam().text});
}

INSTANTIATE_TEST_SUITE_P(Points, CaptureTable,
                         ::testing::Values(CaptureCase{{812, 430}, "X:812 Y:430"},
                                           CaptureCase{{0, 0}, "X:0 Y:0"},
                                           CaptureCase{{-1280, -5}, "X:-1280 Y:-5"}));

TEST_F(ClickControlTest, OtherKeysCaptureNothing) {
  for (int key : {13, 65, 0x20 | 0x10000, 0, -32}) control.CapturePosition(key, 0);
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(window.GetText(Control::PositionBox), "定位");
}

TEST_F(ClickControlTest, EachCaptureReplacesThePreviousPosition) {
  mouse.cursor = {1, 2};
  control.CapturePosition(32, 0);
  mouse.cursor = {3, 4};
  control.CapturePosition(32, 0);
  EXPECT_EQ(state.capturedX, 3);
  EXPECT_EQ(state.capturedY, 4);
  EXPECT_EQ(window.GetText(Control::PositionBox), "X:3 Y:4");
}

}  // namespace
}  // namespace velmora::testing
