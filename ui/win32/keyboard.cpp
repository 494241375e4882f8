#include "ui/win32/keyboard.h"

#include <algorithm>

#include "ui/win32/main_window.h"

namespace velmora::win32 {
namespace {

constexpr std::int32_t kCtrlBit = 1;
constexpr std::int32_t kShiftBit = 2;
constexpr std::int32_t kAltBit = 4;

bool IsHeld(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

bool IsUsable(HWND control, HWND top) {
  for (HWND window = control; window && window != top; window = GetParent(window)) {
    if (!IsWindowEnabled(window)) return false;
  }
  return IsWindowVisible(control);
}

void MoveFocusRound(MainWindow& window, int step) {
  const std::vector<HWND> ring = TabRing(window);
  HWND focus = GetFocus();
  if (ring.empty() || !focus || !IsChild(window.Handle(), focus)) return;
  const auto found = std::find(ring.begin(), ring.end(), focus);
  const auto size = static_cast<std::ptrdiff_t>(ring.size());
  // From a control outside the ring, Tab starts at its first control.
  const std::ptrdiff_t current = found == ring.end() ? (step > 0 ? -1 : 0) : found - ring.begin();
  window.FocusWithoutChoosing(
      ring[static_cast<std::size_t>(((current + step) % size + size) % size)]);
}

// Arrow keys on a radio button choose the next or previous radio button of
// the same parent, raise its clicked event, then give it the focus.
bool MoveRadioChoice(MainWindow& window, HWND focus, int step) {
  std::vector<HWND> radios;
  for (HWND control : TabRing(window)) {
    const auto id = window.IdOfHandle(control);
    if (id && ui::Describe(*id).kind == ui::ControlKind::RadioButton &&
        GetParent(control) == GetParent(focus)) {
      radios.push_back(control);
    }
  }
  const auto found = std::find(radios.begin(), radios.end(), focus);
  if (found == radios.end()) return false;
  const auto size = static_cast<std::ptrdiff_t>(radios.size());
  HWND target =
      radios[static_cast<std::size_t>(((found - radios.begin() + step) % size + size) % size)];
  for (HWND radio : radios) SendMessageW(radio, BM_SETCHECK, BST_UNCHECKED, 0);
  SendMessageW(target, BM_SETCHECK, BST_CHECKED, 0);
  if (const auto id = window.IdOfHandle(target)) window.RaiseClicked(*id);
  window.FocusWithoutChoosing(target);
  return true;
}

bool IsRadioButton(const MainWindow& window, HWND control) {
  const auto id = window.IdOfHandle(control);
  return id && ui::Describe(*id).kind == ui::ControlKind::RadioButton;
}

}  // namespace

std::int32_t KeyCodeOf(WPARAM virtualKey) {
  const auto key = static_cast<std::int32_t>(virtualKey & 0xFF);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return '0' + (key - VK_NUMPAD0);
  switch (key) {
    case VK_SUBTRACT:
      return 189;
    case VK_DECIMAL:
      return 190;
    case VK_DIVIDE:
      return 191;
    default:
      return key;
  }
}

std::int32_t ModifierMaskOf(std::int32_t keyCode) {
  std::int32_t mask = 0;
  if (keyCode != VK_CONTROL && IsHeld(VK_CONTROL)) mask |= kCtrlBit;
  if (keyCode != VK_SHIFT && IsHeld(VK_SHIFT)) mask |= kShiftBit;
  if (keyCode != VK_MENU && IsHeld(VK_MENU)) mask |= kAltBit;
  return mask;
}

std::vector<HWND> TabRing(const MainWindow& window) {
  std::vector<HWND> ring;
  const auto& controls = ui::Controls();
  for (auto control = controls.rbegin(); control != controls.rend(); ++control) {
    HWND handle = window.ControlHandle(control->id);
    if (control->tabStop && handle && IsUsable(handle, window.Handle())) ring.push_back(handle);
  }
  return ring;
}

bool PreTranslateKeyboard(MainWindow& window, const MSG& message) {
  HWND top = window.Handle();
  if (!top || (message.hwnd != top && !IsChild(top, message.hwnd))) return false;
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;

  const std::int32_t keyCode = KeyCodeOf(message.wParam);
  const std::int32_t mask = ModifierMaskOf(keyCode);
  if (keyCode == VK_TAB && (mask == 0 || mask == kShiftBit)) {
    MoveFocusRound(window, mask == 0 ? 1 : -1);
    return true;
  }
  if (keyCode == VK_ESCAPE && mask == 0) {
    SendMessageW(top, WM_CLOSE, 0, 0);
    return true;
  }
  if (mask == 0 && keyCode >= VK_LEFT && keyCode <= VK_DOWN) {
    HWND focus = GetFocus();
    const int step = (keyCode == VK_RIGHT || keyCode == VK_DOWN) ? 1 : -1;
    if (focus && IsRadioButton(window, focus) && MoveRadioChoice(window, focus, step)) return true;
  }
  // The key event comes before the control sees the key; no handler here
  // swallows it, so the message goes on.
  if (const auto id = window.IdOfHandle(message.hwnd)) window.RaiseKeyDown(*id, keyCode, mask);
  return false;
}

}  // namespace velmora::win32
