#include "ui/win32/keyboard.h"

#include "core/key_codes.h"
#include "ui/focus_ring.h"
#include "ui/win32/main_window.h"

namespace velmora::win32 {
namespace {

bool IsHeld(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

void MoveFocusRound(MainWindow& window, int step) {
  HWND focus = GetFocus();
  if (!focus || !IsChild(window.Handle(), focus)) return;
  if (const auto target = ui::StepRound(window.TabRing(), window.IdOfHandle(focus), step)) {
    window.FocusWithoutChoosing(window.ControlHandle(*target));
  }
}

// Arrow keys on a radio button choose the next or previous radio button of
// the same parent, raise its clicked event, then give it the focus.
bool MoveRadioChoice(MainWindow& window, ControlId focused, int step) {
  const std::vector<ControlId> radios =
      ui::RadioRing(focused, [&window](ControlId id) { return window.IsUsable(id); });
  const auto target = ui::StepRound(radios, focused, step);
  if (!target) return false;
  for (ControlId radio : radios) {
    SendMessageW(window.ControlHandle(radio), BM_SETCHECK, BST_UNCHECKED, 0);
  }
  SendMessageW(window.ControlHandle(*target), BM_SETCHECK, BST_CHECKED, 0);
  window.RaiseClicked(*target);
  window.FocusWithoutChoosing(window.ControlHandle(*target));
  return true;
}

}  // namespace

std::int32_t KeyCodeOf(WPARAM virtualKey) {
  const auto key = static_cast<std::int32_t>(virtualKey & 0xFF);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return keys::kDigit0 + (key - VK_NUMPAD0);
  switch (key) {
    case VK_SUBTRACT:
      return keys::kMinus;
    case VK_DECIMAL:
      return keys::kPeriod;
    case VK_DIVIDE:
      return keys::kSlash;
    default:
      return key;
  }
}

std::int32_t ModifierMaskOf(std::int32_t keyCode) {
  std::int32_t mask = 0;
  if (keyCode != VK_CONTROL && IsHeld(VK_CONTROL)) mask |= keys::kCtrlBit;
  if (keyCode != VK_SHIFT && IsHeld(VK_SHIFT)) mask |= keys::kShiftBit;
  if (keyCode != VK_MENU && IsHeld(VK_MENU)) mask |= keys::kAltBit;
  return mask;
}

bool PreTranslateKeyboard(MainWindow& window, const MSG& message) {
  HWND top = window.Handle();
  if (!top || (message.hwnd != top && !IsChild(top, message.hwnd))) return false;
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;

  const std::int32_t keyCode = KeyCodeOf(message.wParam);
  const std::int32_t mask = ModifierMaskOf(keyCode);
  if (keyCode == VK_TAB && (mask == 0 || mask == keys::kShiftBit)) {
    MoveFocusRound(window, mask == 0 ? 1 : -1);
    return true;
  }
  if (keyCode == VK_ESCAPE && mask == 0) {
    SendMessageW(top, WM_CLOSE, 0, 0);
    return true;
  }
  if (mask == 0 && keyCode >= VK_LEFT && keyCode <= VK_DOWN) {
    const int step = (keyCode == VK_RIGHT || keyCode == VK_DOWN) ? 1 : -1;
    const auto focused = window.IdOfHandle(GetFocus());
    if (focused && MoveRadioChoice(window, *focused, step)) return true;
  }
  // The key event comes before the control sees the key; no handler here
  // swallows it, so the message goes on.
  if (const auto id = window.IdOfHandle(message.hwnd)) window.RaiseKeyDown(*id, keyCode, mask);
  return false;
}

}  // namespace velmora::win32
