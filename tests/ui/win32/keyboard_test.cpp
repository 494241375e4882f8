#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/win32/window_fixture.h"

namespace velmora::win32::testing {
namespace {

using Ring = std::vector<ControlId>;

TEST_F(MainWindowTest, FocusStartsInTheUsageText) {
  EXPECT_EQ(GetFocus(), Control(ControlId::UsageBox));
}

TEST_F(MainWindowTest, TabGoesRoundTheRingBothWays) {
  Focus(ControlId::UsageBox);
  EXPECT_EQ(FocusAfterKeys(VK_TAB, 12, false),
            (Ring{ControlId::LeftClickMode, ControlId::RightClickMode, ControlId::IntervalBox, ControlId::CountBox,
                  ControlId::CountLimitOn, ControlId::LocateMode, ControlId::PositionBox, ControlId::DoubleClickMode,
                  ControlId::TimeLimitOn, ControlId::MinutesBox, ControlId::UsageBox, ControlId::LeftClickMode}));
  Focus(ControlId::UsageBox);
  EXPECT_EQ(FocusAfterKeys(VK_TAB, 3, true),
            (Ring{ControlId::MinutesBox, ControlId::TimeLimitOn, ControlId::DoubleClickMode}));
}

TEST_F(MainWindowTest, TabSkipsTheLockedSettings) {
  port->SetSettingsEnabled(false);
  Focus(ControlId::UsageBox);
  PressKey(VK_TAB);
  PumpFor(window.get(), 100);
  EXPECT_EQ(GetFocus(), Control(ControlId::UsageBox));
}

TEST_F(MainWindowTest, EscClosesTheWindowDuringARun) {
  port->SetText(Control::IntervalBox, "1000");  // slow: no click lands before Esc
  control->OnHotkey(33001, 0);
  ASSERT_NE(port->GetTimerPeriod(Timer::Click), 0);
  Focus(ControlId::UsageBox);
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
  Focus(ControlId::RightClickMode);
  focusOrder.clear();
  for (ControlId id : {ControlId::PositionBox, ControlId::LocateMode}) {
    SetWindowSubclass(Control(id), &RecordFocus, 1, 0);
  }
  PressKey(VK_RIGHT, true);
  ASSERT_TRUE(PumpUntil(
      window.get(), [&] { return port->IsTicked(Control::LocateMode); }, 3000));
  PumpFor(window.get(), 50);
  EXPECT_FALSE(port->IsTicked(Control::LeftClickMode));
  EXPECT_FALSE(port->IsTicked(Control::RightClickMode));
  // The clicked handler put the focus into the position box first; the arrow key then
  // gave it to LocateMode.
  EXPECT_EQ(focusOrder,
            (std::vector<HWND>{Control(ControlId::PositionBox), Control(ControlId::LocateMode)}));
  EXPECT_EQ(GetFocus(), Control(ControlId::LocateMode));
  for (ControlId id : {ControlId::PositionBox, ControlId::LocateMode}) {
    RemoveWindowSubclass(Control(id), &RecordFocus, 1);
  }
}

TEST_F(MainWindowTest, DownArrowWrapsFromTheLastModeToTheFirst) {
  SendMessageW(Control(ControlId::DoubleClickMode), BM_CLICK, 0, 0);
  Focus(ControlId::DoubleClickMode);
  PressKey(VK_DOWN, true);
  ASSERT_TRUE(PumpUntil(
      window.get(), [&] { return port->IsTicked(Control::LeftClickMode); }, 3000));
  EXPECT_FALSE(port->IsTicked(Control::DoubleClickMode));
  EXPECT_EQ(GetFocus(), Control(ControlId::LeftClickMode));
}

// What an automatic radio button does on real Windows (and in newer Wine)
// when it receives the focus unchecked: it chooses itself, as a click would,
// and reports the click to its parent.
LRESULT CALLBACK ChooseOnFocusAsWindowsDoes(HWND button, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_SETFOCUS && SendMessageW(button, BM_GETCHECK, 0, 0) == BST_UNCHECKED) {
    const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
    HWND parent = GetParent(button);
    for (HWND sibling = GetWindow(parent, GW_CHILD); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
      if ((GetWindowLongW(sibling, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
        SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
      }
    }
    SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return result;
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

TEST_F(MainWindowTest, FocusMovesNeverChooseAMode) {
  const ControlId modes[] = {ControlId::LeftClickMode, ControlId::RightClickMode, ControlId::LocateMode, ControlId::DoubleClickMode};
  for (ControlId mode : modes) SetWindowSubclass(Control(mode), &ChooseOnFocusAsWindowsDoes, 2, 0);
  auto chosen = [&] {
    std::vector<ControlId> ticked;
    for (ControlId mode : modes) {
      if (SendMessageW(Control(mode), BM_GETCHECK, 0, 0) == BST_CHECKED) ticked.push_back(mode);
    }
    return ticked;
  };
  const Ring onlyTheFirstMode{ControlId::LeftClickMode};

  // The whole ring both ways: had a mode been chosen on the way, LocateMode's
  // handler would have sent the focus to the position box out of turn.
  Focus(ControlId::UsageBox);
  EXPECT_EQ(FocusAfterKeys(VK_TAB, 11, false),
            (Ring{ControlId::LeftClickMode, ControlId::RightClickMode, ControlId::IntervalBox, ControlId::CountBox,
                  ControlId::CountLimitOn, ControlId::LocateMode, ControlId::PositionBox, ControlId::DoubleClickMode,
                  ControlId::TimeLimitOn, ControlId::MinutesBox, ControlId::UsageBox}));
  EXPECT_EQ(chosen(), onlyTheFirstMode);
  EXPECT_EQ(FocusAfterKeys(VK_TAB, 11, true),
            (Ring{ControlId::MinutesBox, ControlId::TimeLimitOn, ControlId::DoubleClickMode, ControlId::PositionBox,
                  ControlId::LocateMode, ControlId::CountLimitOn, ControlId::CountBox, ControlId::IntervalBox,
                  ControlId::RightClickMode, ControlId::LeftClickMode, ControlId::UsageBox}));
  EXPECT_EQ(chosen(), onlyTheFirstMode);

  // The focus given back on activation lands on an unchosen mode, and only there.
  window->FocusWithoutChoosing(Control(ControlId::LocateMode));
  ASSERT_EQ(GetFocus(), Control(ControlId::LocateMode));
  SwitchAwayAndBack();
  EXPECT_EQ(GetFocus(), Control(ControlId::LocateMode));
  EXPECT_EQ(chosen(), onlyTheFirstMode);

  // The arrow keys still choose, and raise the chosen mode's click.
  PressKey(VK_RIGHT, true);
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return port->IsTicked(Control::DoubleClickMode); }, 3000));
  EXPECT_EQ(chosen(), Ring{ControlId::DoubleClickMode});
  for (ControlId mode : modes) RemoveWindowSubclass(Control(mode), &ChooseOnFocusAsWindowsDoes, 2);
}

// Pumps like the program's loop, noting the key code and modifier mask of
// every key-down for the position box as its key event will see them.
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
          message.hwnd == window.ControlHandle(ControlId::PositionBox)) {
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
  Focus(ControlId::PositionBox);
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
  Focus(ControlId::PositionBox);
  SetCursorPos(123, 77);
  PumpFor(window.get(), 50);
  PressKey(VK_SPACE);
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return port->GetText(Control::PositionBox) != "定位"; }));
  PumpFor(window.get(), 50);
  EXPECT_EQ(port->GetText(Control::PositionBox), "X:123 Y:77");
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
  Focus(ControlId::CountBox);
  SwitchAwayAndBack();
  EXPECT_EQ(GetFocus(), Control(ControlId::CountBox));
}

}  // namespace
}  // namespace velmora::win32::testing
