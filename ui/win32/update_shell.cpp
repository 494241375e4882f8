#include "ui/win32/update_shell.h"

#include <windows.h>
#include <shellapi.h>

#include "ui/win32/gbk.h"
#include "ui/win32/message_box.h"
#include "ui/program_lifecycle.h"

namespace velmora::win32 {

void OpenWebPage(const Text& address) {
  // An open browser window, if there is one, owns any message the shell shows.
  HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  ShellExecuteW(owner, L"open", GbkToWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

int Win32UpdateShell::ShowMessage(const Text& text, int flags, const Text& title) {
  return win32::ShowMessage(text, flags, title);
}

void Win32UpdateShell::OpenWebPage(const Text& address) { win32::OpenWebPage(address); }

void Win32UpdateShell::EndProgram(int exitCode) { ui::EndProgram(exitCode); }

}  // namespace velmora::win32
