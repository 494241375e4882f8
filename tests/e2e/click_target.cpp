// A window of the tests' own that Velmora clicks: it logs every mouse-button
// message with its screen point, one line each, flushed at once.
//   click_target.exe <log file> <left> <top> <width> <height>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "ui/win32/base_window.h"

namespace {

FILE* logFile = nullptr;

const char* NameOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return "LDOWN";
    case WM_LBUTTONUP:
      return "LUP";
    case WM_LBUTTONDBLCLK:
      return "LDBL";
    case WM_RBUTTONDOWN:
      return "RDOWN";
    case WM_RBUTTONUP:
      return "RUP";
    case WM_RBUTTONDBLCLK:
      return "RDBL";
    default:
      return nullptr;
  }
}

class ClickTarget : public velmora::win32::BaseWindow<ClickTarget> {
 public:
  static constexpr wchar_t kClassName[] = L"VelmoraTestClickTarget";
  ClickTarget(int left, int top, int width, int height) {
    RegisterClassOnce(GetModuleHandleW(nullptr),
                      {.cursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)),
                       .background = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))});
    CreateAs(WS_EX_TOPMOST, L"click target", WS_POPUP | WS_VISIBLE, left, top, width, height,
             nullptr, GetModuleHandleW(nullptr));
  }

 private:
  friend class BaseWindow<ClickTarget>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const char* name = NameOf(message)) {
      POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      ClientToScreen(window_, &point);
      std::fprintf(logFile, "%s %ld %ld\n", name, point.x, point.y);
      std::fflush(logFile);
      return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return Default(message, wParam, lParam);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) return 2;
  logFile = std::fopen(argv[1], "w");
  if (!logFile) return 3;
  ClickTarget target(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                     std::atoi(argv[5]));
  std::fprintf(logFile, "READY\n");
  std::fflush(logFile);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
