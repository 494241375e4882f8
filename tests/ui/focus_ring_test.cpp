#include "ui/focus_ring.h"

#include <gtest/gtest.h>

namespace velmora::ui {
namespace {

using Ring = std::vector<ControlId>;
using enum ControlId;

bool AllUsable(ControlId) { return true; }
// The settings group is disabled while a run is in progress.
bool SettingsLocked(ControlId id) { return !Describe(id).insideGroup; }

TEST(TabRing, GoesByDescendingPlaceInTheDescription) {
  EXPECT_EQ(TabRing(&AllUsable),
            (Ring{UsageBox, LeftClickMode, RightClickMode, IntervalBox, CountBox, CountLimitOn,
                  LocateMode, PositionBox, DoubleClickMode, TimeLimitOn, MinutesBox}));
}

TEST(TabRing, LeavesOutWhatCannotTakeTheFocusNow) {
  EXPECT_EQ(TabRing(&SettingsLocked), Ring{UsageBox});
  EXPECT_EQ(TabRing([](ControlId id) { return id != CountBox && id != UsageBox; }),
            (Ring{LeftClickMode, RightClickMode, IntervalBox, CountLimitOn, LocateMode,
                  PositionBox, DoubleClickMode, TimeLimitOn, MinutesBox}));
  EXPECT_EQ(TabRing([](ControlId) { return false; }), Ring{});
}

struct StepCase {
  const char* name;
  Ring ring;
  std::optional<ControlId> from;
  int step;
  std::optional<ControlId> expected;
};

class StepRoundTable : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepRoundTable, WrapsAtBothEnds) {
  const StepCase& c = GetParam();
  EXPECT_EQ(StepRound(c.ring, c.from, c.step), c.expected);
}

const Ring kThree{UsageBox, LeftClickMode, MinutesBox};

INSTANTIATE_TEST_SUITE_P(
    Steps, StepRoundTable,
    ::testing::Values(
        StepCase{.name = "Forward", .ring = kThree, .from = UsageBox, .step = 1,
                 .expected = LeftClickMode},
        StepCase{.name = "ForwardFromTheLastWraps", .ring = kThree, .from = MinutesBox, .step = 1,
                 .expected = UsageBox},
        StepCase{.name = "BackFromTheFirstWraps", .ring = kThree, .from = UsageBox, .step = -1,
                 .expected = MinutesBox},
        StepCase{.name = "ForwardFromOutsideGoesToTheFirst", .ring = kThree, .from = CountBox,
                 .step = 1, .expected = UsageBox},
        StepCase{.name = "BackFromOutsideGoesToTheLast", .ring = kThree, .from = std::nullopt,
                 .step = -1, .expected = MinutesBox},
        StepCase{.name = "ARingOfOne", .ring = Ring{UsageBox}, .from = UsageBox, .step = 1,
                 .expected = UsageBox},
        StepCase{.name = "AnEmptyRing", .ring = Ring{}, .from = UsageBox, .step = 1,
                 .expected = std::nullopt}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return info.param.name; });

TEST(RadioRing, TheFourModesInTabOrder) {
  const Ring modes{LeftClickMode, RightClickMode, LocateMode, DoubleClickMode};
  for (ControlId mode : modes) EXPECT_EQ(RadioRing(mode, &AllUsable), modes);
  EXPECT_EQ(StepRound(modes, DoubleClickMode, 1), LeftClickMode);
  EXPECT_EQ(StepRound(modes, LeftClickMode, -1), DoubleClickMode);
}

TEST(RadioRing, OnlyFromAUsableRadioButton) {
  EXPECT_EQ(RadioRing(CountLimitOn, &AllUsable), Ring{});
  EXPECT_EQ(RadioRing(LocateMode, &SettingsLocked), Ring{});
  EXPECT_EQ(RadioRing(LeftClickMode, [](ControlId id) { return id != LocateMode; }),
            (Ring{LeftClickMode, RightClickMode, DoubleClickMode}));
}

}  // namespace
}  // namespace velmora::ui
