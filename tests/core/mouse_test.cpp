#include "core/mouse.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

struct KindCase {
  ClickKind kind;
  std::vector<ButtonEvent> events;
};

class ButtonEventsTable : public ::testing::TestWithParam<KindCase> {};

TEST_P(ButtonEventsTable, EachKindSendsItsPressesAndReleasesInOrder) {
  EXPECT_EQ(ButtonEventsOf(GetParam().kind), GetParam().events);
}

using enum ButtonEvent;
INSTANTIATE_TEST_SUITE_P(
    Kinds, ButtonEventsTable,
    ::testing::Values(KindCase{LeftClick, {LeftDown, LeftUp}},
                      KindCase{LeftDoubleClick, {LeftDown, LeftUp, LeftDown, LeftUp}},
                      KindCase{RightClick, {RightDown, RightUp}},
                      KindCase{RightDoubleClick, {RightDown, RightUp, RightDown, RightUp}},
                      // Unknown kinds act as a single left click.
                      KindCase{7, {LeftDown, LeftUp}}, KindCase{-1, {LeftDown, LeftUp}}));

}  // namespace
}  // namespace velmora
