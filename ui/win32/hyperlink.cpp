#include "ui/win32/hyperlink.h"

#include <shellapi.h>

#include "ui/handlers.h"
#include "update/web_address.h"
#include "ui/win32/gbk.h"
#include "ui/win32/painted_text.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VelmoraHyperlink";
constexpr DWORD kRegistryValueBytes = 260;

struct LinkState {
  HFONT font = nullptr;
  Text address;
  bool hovered = false;
  bool visited = false;
};

LinkState* StateOf(HWND window) {
  return reinterpret_cast<LinkState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

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

void OnMouseMove(HWND window, LinkState& state, LPARAM lParam) {
  RECT client;
  GetClientRect(window, &client);
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const bool inside = PtInRect(&client, point);
  if (inside) {
    if (GetCapture() != window) SetCapture(window);
    if (!state.hovered) {
      state.hovered = true;
      InvalidateRect(window, nullptr, TRUE);
    }
  } else if (state.hovered) {
    state.hovered = false;
    ReleaseCapture();
    InvalidateRect(window, nullptr, TRUE);
  }
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LinkState* state = StateOf(window);
  switch (message) {
    case WM_NCCREATE: {
      auto* created = new LinkState;
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      if (create->lpCreateParams)
        created->address = *static_cast<const Text*>(create->lpCreateParams);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
      break;
    }
    case WM_NCDESTROY:
      delete state;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    case WM_SETFONT:
      if (state) state->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
      return TRUE;
    case WM_MOUSEMOVE:
      if (state) ui::RunHandler([&] { OnMouseMove(window, *state, lParam); });
      return 0;
    case WM_CAPTURECHANGED:
      if (state && state->hovered && reinterpret_cast<HWND>(lParam) != window) {
        state->hovered = false;
        InvalidateRect(window, nullptr, TRUE);
      }
      return 0;
    case WM_LBUTTONDOWN:
      if (state) {
        ui::RunHandler([&] {
          state->visited = OpenAddress(state->address);
          InvalidateRect(window, nullptr, TRUE);
        });
      }
      return 0;
    case WM_PAINT:
      if (state) {
        PaintText(window, state->font, LinkColour(window),
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX,
                  GbkToWide(state->address));
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      return 1;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterHyperlinkClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

HWND CreateHyperlink(HWND parent, int left, int top, int width, int height, const Text& address,
                     HINSTANCE instance) {
  return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, left, top, width, height,
                         parent, nullptr, instance, const_cast<Text*>(&address));
}

COLORREF LinkColour(HWND hyperlink) {
  const LinkState* state = StateOf(hyperlink);
  if (state && state->hovered) return kLinkHoverColour;
  if (state && state->visited) return kLinkVisitedColour;
  return kLinkColour;
}

std::string BrowserCommandLine(const std::string& openCommand, const std::string& address) {
  std::string command = openCommand;
  std::size_t cut = command.find("\"%1\"");
  if (cut == std::string::npos) cut = command.find("%1");
  if (cut != std::string::npos) command.erase(cut);
  return command + " " + address;
}

}  // namespace velmora::win32
