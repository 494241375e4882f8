#pragma once

#include <windows.h>

namespace velmora::win32 {

// One record per process: what the registrations so far have set up.
struct HotkeyRegistry {
  int lastSerial = 0;  // registrations ever made
  int lastId = 0;      // 33000 + lastSerial; 0 before the first
  HWND feedbackTarget = nullptr;
  WNDPROC previousWindowProc = nullptr;  // the owner's procedure before the filter
};
HotkeyRegistry& Registry();

inline constexpr int kFirstHotkeyId = 33001;

// The modifier word (1 Ctrl, 2 Shift, 4 Alt) as RegisterHotKey's flags; other
// values pass unchanged.
UINT ModifierFlagsOf(int modifierWord);

// Registers a system-wide hotkey on owner. Each press sends kFeedbackMessage
// (wParam the identifier, lParam 0) to feedbackTarget. Returns the hotkey's
// identifier, 33001 for the first registration and one more for each later
// one, or 0 when the system refused it (the identifier is used up anyway).
int RegisterGlobalHotkey(HWND owner, HWND feedbackTarget, int modifierWord, int keyCode);

// The filter put in front of the owner window's procedure.
LRESULT CALLBACK HotkeyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace velmora::win32
