// Looks at and drives a running Velmora from outside, as another program:
//   probe.exe state                   caption, status text, visibility, any message box
//   probe.exe click <control>         a click on a check box or radio button
//   probe.exe settext <control> <t>   replaces an edit box's text
//   probe.exe ticked <control>        1 or 0
//   probe.exe text <control>          the control's text
//   probe.exe centre <control>        the control's centre in screen pixels
//   probe.exe answer <ok|yes|no>      presses a button of the open message box
// Texts are printed as UTF-8.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "tests/e2e/control_aliases.h"
#include "ui/window_description.h"

namespace {

using velmora::ui::ControlId;


HWND MainWindow() { return FindWindowW(L"VelmoraMainWindow", nullptr); }

// Controls stand in description order under their parent.
HWND FindControl(const char* alias) {
  const ControlId* wanted = nullptr;
  for (const auto& a : velmora::e2e::kControlAliases) {
    if (std::strcmp(a.name, alias) == 0) wanted = &a.id;
  }
  HWND window = MainWindow();
  if (!wanted || !window) return nullptr;
  HWND group = GetWindow(window, GW_CHILD);
  for (int i = 0; group && i < 2; ++i) group = GetWindow(group, GW_HWNDNEXT);  // the settings group is third
  const bool inGroup = velmora::ui::Describe(*wanted).insideGroup;
  HWND child = GetWindow(inGroup ? group : window, GW_CHILD);
  for (const auto& control : velmora::ui::Controls()) {
    if (control.insideGroup != inGroup) continue;
    if (control.id == *wanted) return child;
    child = GetWindow(child, GW_HWNDNEXT);
  }
  return nullptr;
}

std::string Utf8(const std::wstring& text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

// WM_GETTEXT itself, since GetWindowText does not ask another process's
// controls; line breaks are written as \n to keep one field a line.
std::string TextOf(HWND window) {
  if (!window) return {};
  wchar_t text[4096] = {};
  SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
  std::string utf8 = Utf8(text);
  for (std::size_t at; (at = utf8.find("\r\n")) != std::string::npos;) utf8.replace(at, 2, "\\n");
  return utf8;
}

HWND MessageBoxWindow() {
  DWORD velmoraProcess = 0;
  if (HWND window = MainWindow()) GetWindowThreadProcessId(window, &velmoraProcess);
  for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); box;
       box = FindWindowExW(nullptr, box, L"#32770", nullptr)) {
    DWORD process = 0;
    GetWindowThreadProcessId(box, &process);
    if (IsWindowVisible(box) && (!velmoraProcess || process == velmoraProcess)) return box;
  }
  return nullptr;
}

int State() {
  HWND window = MainWindow();
  std::printf("window=%d\n", window ? 1 : 0);
  std::printf("visible=%d\n", window && IsWindowVisible(window) ? 1 : 0);
  std::printf("caption=%s\n", TextOf(window).c_str());
  // The status bar is the window's second child in description order.
  HWND status = window ? GetWindow(GetWindow(window, GW_CHILD), GW_HWNDNEXT) : nullptr;
  std::printf("status=%s\n", TextOf(status).c_str());
  HWND settings = window ? GetWindow(status, GW_HWNDNEXT) : nullptr;  // the settings group
  std::printf("settings=%d\n", settings && IsWindowEnabled(settings) ? 1 : 0);
  HWND box = MessageBoxWindow();
  wchar_t foregroundClass[64] = {};
  if (HWND foreground = GetForegroundWindow()) GetClassNameW(foreground, foregroundClass, 64);
  std::printf("foreground=%s\n", Utf8(foregroundClass).c_str());
  std::printf("box=%d\n", box ? 1 : 0);
  std::printf("box_title=%s\n", TextOf(box).c_str());
  std::printf("box_text=%s\n", box ? TextOf(GetDlgItem(box, 0xFFFF)).c_str() : "");
  return 0;
}

int Answer(const char* button) {
  HWND box = MessageBoxWindow();
  if (!box) return 1;
  const int id = std::strcmp(button, "yes") == 0  ? IDYES
                 : std::strcmp(button, "no") == 0 ? IDNO
                                                  : IDOK;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string command = argv[1];
  if (command == "state") return State();
  if (command == "answer" && argc == 3) return Answer(argv[2]);
  if (argc < 3) return 2;
  HWND control = FindControl(argv[2]);
  if (!control) return 1;
  if (command == "click") {
    SendMessageW(control, BM_CLICK, 0, 0);
  } else if (command == "settext" && argc == 4) {
    const std::string text = argv[3];
    SetWindowTextW(control, std::wstring(text.begin(), text.end()).c_str());
  } else if (command == "ticked") {
    std::printf("%d\n", SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
  } else if (command == "text") {
    std::printf("%s\n", TextOf(control).c_str());
  } else if (command == "centre") {
    RECT rect;
    GetWindowRect(control, &rect);
    std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  } else {
    return 2;
  }
  return 0;
}
