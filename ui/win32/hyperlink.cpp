#include "ui/win32/hyperlink.h"

#include <shellapi.h>

#include <memory>

#include "ui/handlers.h"
#include "update/web_address.h"
#include "ui/win32/gbk.h"
#include "ui/win32/painted_text.h"

namespace velmora::win32 {
namespace {

constexpr DWORD kRegistryValueBytes = 260;

bool ReadClassesRootDefault(const std::string& subkey, std::string& value) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subkey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return false;
  }
  char buffer[kRegistryValueBytes] = {};
  LONG size = sizeof buffer;
  const LONG result = RegQueryValueA(key, nullptr, buffer, &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return false;
  value.assign(buffer, strnlen(buffer, sizeof buffer));
  return true;
}

bool OpenAddress(const Text& address) {
  // The same rule as for every address the program opens: nothing that the
  // browser's command line could split into further arguments.
  if (!IsOpenableWebAddress(address)) return false;
  const auto shellResult = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", GbkToWide(address).c_str(), nullptr, nullptr, SW_SHOW));
  if (shellResult > 32) return true;
  // Without a shell association, ask the registry which program opens pages.
  std::string htmlClass;
  std::string openCommand;
  if (!ReadClassesRootDefault(".htm", htmlClass) ||
      !ReadClassesRootDefault(htmlClass + "\\shell\\open\\command", openCommand)) {
    return false;
  }
  return WinExec(BrowserCommandLine(openCommand, address).c_str(), SW_SHOW) > 32;
}

}  // namespace

void Hyperlink::Register(HINSTANCE instance) { RegisterClassOnce(instance); }

HWND Hyperlink::Create(HWND parent, int left, int top, int width, int height, const Text& address,
                       HINSTANCE instance) {
  auto link = std::unique_ptr<Hyperlink>(new Hyperlink(address));
  if (!link->CreateAs(0, L"", WS_CHILD | WS_CLIPSIBLINGS, left, top, width, height, parent,
                      instance)) {
    return nullptr;
  }
  return link.release()->Handle();  // from now on the window owns it
}

COLORREF Hyperlink::Colour() const {
  if (hovered_) return kLinkHoverColour;
  if (visited_) return kLinkVisitedColour;
  return kLinkColour;
}

void Hyperlink::OnMouseMove(LPARAM lParam) {
  RECT client;
  GetClientRect(window_, &client);
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  if (PtInRect(&client, point)) {
    if (GetCapture() != window_) SetCapture(window_);
    if (!hovered_) {
      hovered_ = true;
      InvalidateRect(window_, nullptr, TRUE);
    }
  } else if (hovered_) {
    hovered_ = false;
    ReleaseCapture();
    InvalidateRect(window_, nullptr, TRUE);
  }
}

LRESULT Hyperlink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
      return TRUE;
    case WM_MOUSEMOVE:
      ui::RunHandler([&] { OnMouseMove(lParam); });
      return 0;
    case WM_CAPTURECHANGED:
      if (hovered_ && reinterpret_cast<HWND>(lParam) != window_) {
        hovered_ = false;
        InvalidateRect(window_, nullptr, TRUE);
      }
      return 0;
    case WM_LBUTTONDOWN:
      ui::RunHandler([&] {
        visited_ = OpenAddress(address_);
        InvalidateRect(window_, nullptr, TRUE);
      });
      return 0;
    case WM_PAINT:
      PaintText(window_, font_, Colour(),
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX,
                GbkToWide(address_));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      return Default(message, wParam, lParam);
  }
}

COLORREF LinkColour(HWND hyperlink) {
  const Hyperlink* link = Hyperlink::FromHandle(hyperlink);
  return link ? link->Colour() : kLinkColour;
}

std::string BrowserCommandLine(const std::string& openCommand, const std::string& address) {
  std::string command = openCommand;
  std::size_t cut = command.find("\"%1\"");
  if (cut == std::string::npos) cut = command.find("%1");
  if (cut != std::string::npos) command.erase(cut);
  return command + " " + address;
}

}  // namespace velmora::win32
