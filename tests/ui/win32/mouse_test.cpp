#include "ui/win32/mouse.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/win32/window_fixture.h"

namespace velmora::win32::testing {
namespace {

struct KindCase {
  ClickKind kind;
  std::vector<UINT> messages;
};

class SimulatedClicks : public ::testing::TestWithParam<KindCase> {};

TEST_P(SimulatedClicks, DeliverExactlyTheirButtonMessagesAtThePoint) {
  ClickTarget target(200, 150, 160, 120);
  PumpFor(nullptr, 100);
  const POINT point{230, 170};
  Win32Mouse mouse;
  mouse.SimulateMouseClick(point.x, point.y, GetParam().kind);
  PumpUntil(
      nullptr, [&] { return target.presses.size() >= GetParam().messages.size(); }, 3000);
  PumpFor(nullptr, 200);  // nothing more arrives

  std::vector<UINT> messages;
  for (const auto& press : target.presses) {
    messages.push_back(press.message);
    EXPECT_EQ(press.screen.x, point.x);
    EXPECT_EQ(press.screen.y, point.y);
  }
  EXPECT_EQ(messages, GetParam().messages);
  const ScreenPoint cursor = mouse.GetCursorPosition();
  EXPECT_EQ(cursor.x, point.x);
  EXPECT_EQ(cursor.y, point.y);
}

// The target's class takes no double clicks, so a double kind arrives as two
// plain presses and releases.
INSTANTIATE_TEST_SUITE_P(
    Kinds, SimulatedClicks,
    ::testing::Values(
        KindCase{LeftClick, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
        KindCase{LeftDoubleClick, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}},
        KindCase{RightClick, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
        KindCase{RightDoubleClick, {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}},
        KindCase{7, {WM_LBUTTONDOWN, WM_LBUTTONUP}}));

}  // namespace
}  // namespace velmora::win32::testing
