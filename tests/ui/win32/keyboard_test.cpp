#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/win32/window_fixture.h"

namespace velmora::win32::testing {
namespace {

using Ring = std::vector<ControlId>;

TEST_F(MainWindowTest, FocusStartsInTheUsageText) {
  EXPECT_EQ(GetFocus(), Control(ControlId::编辑框2));
}

TEST_F(MainWindowTest, TabGoesRoundTheRingBothWays) {
  Focus(ControlId::编辑框2);
  EXPECT_EQ(FocusAfterKeys(VK_TAB, 12, false),
            (Ring{ControlId::鼠标1, ControlId::鼠标2, ControlId::编辑框1, ControlId::编辑框3,
                  ControlId::选择框1, ControlId::鼠标3, ControlId::编辑框4, ControlId::鼠标4,
                  ControlId::选择框2, ControlId::编辑框5, ControlId::编辑框2, ControlId::鼠标1}));
  Focus(ControlId::编辑框2);
  EXPECT_EQ(FocusAfterKeys(VK_TAB, 3, true),
            (Ring{ControlId::编辑框5, ControlId::选择框2, ControlId::鼠标4}));
}

TEST_F(MainWindowTest, TabSkipsTheLockedSettings) {
  port->SetSettingsEnabled(false);
  Focus(ControlId::编辑框2);
  PressKey(VK_TAB);
  PumpFor(window.get(), 100);
  EXPECT_EQ(GetFocus(), Control(ControlId::编辑框2));
}

TEST_F(MainWindowTest, EscClosesTheWindowDuringARun) {
  port->SetText(Control::编辑框1, "1000");  // slow: no click lands before Esc
  control->OnHotkey(33001, 0);
  ASSERT_NE(port->GetTimerPeriod(Timer::时钟1), 0);
  Focus(ControlId::编辑框2);
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil(
      window.get(), [&] { return window->Handle() == nullptr; }, 5000));
}

std::vector<HWND> focusOrder;
LRESULT CALLBACK RecordFocus(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
  if (message == WM_SETFOCUS) focusOrder.push_back(window);
  return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(MainWindowTest, RightArrowChoosesTheNextModeAndRaisesItsClick) {
  Focus(ControlId::鼠标2);
  focusOrder.clear();
  for (ControlId id : {ControlId::编辑框4, ControlId::鼠标3}) {
    SetWindowSubclass(Control(id), &RecordFocus, 1, 0);
  }
  PressKey(VK_RIGHT, true);
  ASSERT_TRUE(PumpUntil(
      window.get(), [&] { return port->IsTicked(Control::鼠标3); }, 3000));
  PumpFor(window.get(), 50);
  EXPECT_FALSE(port->IsTicked(Control::鼠标1));
  EXPECT_FALSE(port->IsTicked(Control::鼠标2));
  // The clicked handler put the focus into 编辑框4 first; the arrow key then
  // gave it to 鼠标3.
  EXPECT_EQ(focusOrder,
            (std::vector<HWND>{Control(ControlId::编辑框4), Control(ControlId::鼠标3)}));
  EXPECT_EQ(GetFocus(), Control(ControlId::鼠标3));
  for (ControlId id : {ControlId::编辑框4, ControlId::鼠标3}) {
    RemoveWindowSubclass(Control(id), &RecordFocus, 1);
  }
}

TEST_F(MainWindowTest, DownArrowWrapsFromTheLastModeToTheFirst) {
  SendMessageW(Control(ControlId::鼠标4), BM_CLICK, 0, 0);
  Focus(ControlId::鼠标4);
  PressKey(VK_DOWN, true);
  ASSERT_TRUE(PumpUntil(
      window.get(), [&] { return port->IsTicked(Control::鼠标1); }, 3000));
  EXPECT_FALSE(port->IsTicked(Control::鼠标4));
  EXPECT_EQ(GetFocus(), Control(ControlId::鼠标1));
}

// Pumps like the program's loop, noting the key code and modifier mask of
// every key-down for 编辑框4 as its key event will see them.
struct KeySeen {
  std::int32_t code;
  std::int32_t mask;
};
std::vector<KeySeen> KeysReachingPositionBox(MainWindow& window, int expected) {
  std::vector<KeySeen> seen;
  const ULONGLONG deadline = GetTickCount64() + 5000;
  while (GetTickCount64() < deadline && static_cast<int>(seen.size()) < expected) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_KEYDOWN &&
          message.hwnd == window.ControlHandle(ControlId::编辑框4)) {
        const std::int32_t code = KeyCodeOf(message.wParam);
        seen.push_back({code, ModifierMaskOf(code)});
      }
      if (PreTranslateKeyboard(window, message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return seen;
}

TEST_F(MainWindowTest, KeyEventsCarryTheKeyCodeAndModifierMask) {
  Focus(ControlId::编辑框4);
  PressKey(VK_NUMPAD5);
  HoldKey(VK_SHIFT);
  PressKey(VK_SPACE);
  ReleaseKey(VK_SHIFT);
  const std::vector<KeySeen> seen = KeysReachingPositionBox(*window, 3);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].code, 53);
  EXPECT_EQ(seen[0].mask, 0);
  EXPECT_EQ(seen[1].code, VK_SHIFT);  // Shift alone: no Shift bit
  EXPECT_EQ(seen[1].mask, 0);
  EXPECT_EQ(seen[2].code, 32);
  EXPECT_EQ(seen[2].mask, 2);
}

TEST_F(MainWindowTest, SpaceBarInThePositionBoxCapturesTheCursor) {
  Focus(ControlId::编辑框4);
  SetCursorPos(123, 77);
  PumpFor(window.get(), 50);
  PressKey(VK_SPACE);
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return port->GetText(Control::编辑框4) != "定位"; }));
  PumpFor(window.get(), 50);
  EXPECT_EQ(port->GetText(Control::编辑框4), "X:123 Y:77");
  EXPECT_EQ(state.capturedX, 123);
  EXPECT_EQ(state.capturedY, 77);
}

TEST(KeyCodes, KeypadKeysReportTheMainBlockCodes) {
  EXPECT_EQ(KeyCodeOf(VK_NUMPAD0), 48);
  EXPECT_EQ(KeyCodeOf(VK_NUMPAD5), 53);
  EXPECT_EQ(KeyCodeOf(VK_NUMPAD9), 57);
  EXPECT_EQ(KeyCodeOf(VK_SUBTRACT), 189);
  EXPECT_EQ(KeyCodeOf(VK_DECIMAL), 190);
  EXPECT_EQ(KeyCodeOf(VK_DIVIDE), 191);
  EXPECT_EQ(KeyCodeOf(VK_SPACE), 32);
  EXPECT_EQ(KeyCodeOf(0x144), 0x44);  // only the low byte counts
}

TEST_F(MainWindowTest, FocusComesBackAfterAnotherWindowWasActive) {
  Focus(ControlId::编辑框3);
  ClickTarget other(500, 500, 50, 50);
  SetForegroundWindow(other.Handle());
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return GetForegroundWindow() == other.Handle(); }));
  SetForegroundWindow(window->Handle());
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return GetForegroundWindow() == window->Handle(); }));
  PumpFor(window.get(), 50);
  EXPECT_EQ(GetFocus(), Control(ControlId::编辑框3));
}

}  // namespace
}  // namespace velmora::win32::testing
