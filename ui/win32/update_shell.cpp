#include "ui/update_shell.h"

#include <windows.h>
#include <shellapi.h>

#include "ui/win32/gbk.h"
#include "ui/win32/message_box.h"

namespace velmora::ui {

int PlatformUpdateShell::ShowMessage(const Text& text, int flags, const Text& title) {
  return win32::ShowMessage(text, flags, title);
}

void PlatformUpdateShell::OpenWebPage(const Text& address) {
  // An open browser window, if there is one, owns any message the shell shows.
  HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  ShellExecuteW(owner, L"open", win32::GbkToWide(address).c_str(), nullptr, nullptr,
                SW_SHOWNORMAL);
}

}  // namespace velmora::ui
