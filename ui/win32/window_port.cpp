#include "ui/win32/window_port.h"

#include <commctrl.h>

#include "ui/win32/gbk.h"
#include "ui/win32/message_box.h"

namespace velmora::win32 {

Text WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return WideToGbk(text);
}

bool Win32WindowPort::IsTicked(Control control) {
  return SendMessageW(HandleOf(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32WindowPort::SetTicked(Control control, bool ticked) {
  // BM_SETCHECK raises no BN_CLICKED, so no clicked handler runs.
  SendMessageW(HandleOf(control), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

Text Win32WindowPort::GetText(Control control) { return WindowText(HandleOf(control)); }

void Win32WindowPort::SetText(Control control, const Text& text) {
  SetWindowTextW(HandleOf(control), GbkToWide(text).c_str());
}

std::int32_t Win32WindowPort::GetTimerPeriod(Timer timer) {
  return window_.TimerOf(timer).Period();
}

void Win32WindowPort::SetTimerPeriod(Timer timer, std::int32_t milliseconds) {
  window_.TimerOf(timer).SetPeriod(milliseconds);
}

void Win32WindowPort::SetSettingsEnabled(bool enabled) {
  EnableWindow(window_.ControlHandle(ControlId::SettingsGroup), enabled ? TRUE : FALSE);
}

void Win32WindowPort::SetCaption(const Text& caption) {
  SetWindowTextW(window_.Handle(), GbkToWide(caption).c_str());
}

void Win32WindowPort::SetStatusText(const Text& text) {
  const std::wstring wide = GbkToWide(text);
  SendMessageW(window_.ControlHandle(ControlId::StatusBar), SB_SETTEXTW, 0,
               reinterpret_cast<LPARAM>(wide.c_str()));
}

int Win32WindowPort::ShowMessage(const Text& text, int flags, const Text& title) {
  return win32::ShowMessage(text, flags, title);
}

void Win32WindowPort::SetFocusTo(Control control) { SetFocus(HandleOf(control)); }

}  // namespace velmora::win32
