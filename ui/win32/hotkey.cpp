#include "ui/win32/hotkey.h"

#include "ui/win32/label.h"

namespace velmora::win32 {
namespace {
constexpr int kIdBase = kFirstHotkeyId - 1;
}

HotkeyRegistry& Registry() {
  static HotkeyRegistry registry;
  return registry;
}

UINT ModifierFlagsOf(int modifierWord) {
  switch (modifierWord) {
    case 0:
      return 0;
    case 1:
      return MOD_CONTROL;
    case 2:
      return MOD_SHIFT;
    case 3:
      return MOD_CONTROL | MOD_SHIFT;
    case 4:
      return MOD_ALT;
    case 5:
      return MOD_ALT | MOD_CONTROL;
    case 6:
      return MOD_ALT | MOD_SHIFT;
    default:
      return static_cast<UINT>(modifierWord);
  }
}

int RegisterGlobalHotkey(HWND owner, HWND feedbackTarget, int modifierWord, int keyCode) {
  HotkeyRegistry& registry = Registry();
  registry.feedbackTarget = feedbackTarget;
  const UINT flags = ModifierFlagsOf(modifierWord);
  // The filter goes on the first owner only. Our windows are Unicode windows,
  // so the wide forms keep their texts intact through the filter.
  if (!registry.previousWindowProc) {
    registry.previousWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyWindowProc)));
  }
  registry.lastSerial += 1;
  registry.lastId = kIdBase + registry.lastSerial;
  return RegisterHotKey(owner, registry.lastId, flags, static_cast<UINT>(keyCode)) ? registry.lastId
                                                                                   : 0;
}

LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const HotkeyRegistry& registry = Registry();
  if (message == WM_HOTKEY && wParam >= static_cast<WPARAM>(kFirstHotkeyId) &&
      wParam <= static_cast<WPARAM>(registry.lastId)) {
    // The label runs the hotkey's handler to its end before the window's own
    // procedure sees the message.
    SendMessageW(registry.feedbackTarget, kFeedbackMessage, wParam, 0);
  }
  return CallWindowProcW(registry.previousWindowProc, window, message, wParam, lParam);
}

}  // namespace velmora::win32
