#include "ui/win32/dpi.h"

namespace velmora::win32 {
namespace {

// Entry points of newer Windows, looked up once so that the program still
// starts on Windows 7.
template <typename Function>
Function User32Function(const char* name) {
  static HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);

}  // namespace

UINT SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDescribedDpi;
}

UINT DpiOfWindow(HWND window) {
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (getDpiForWindow && window) {
    if (const UINT dpi = getDpiForWindow(window)) return dpi;
  }
  return SystemDpi();
}

int SystemMetricForDpi(int index, UINT dpi) {
  static const auto getSystemMetricsForDpi =
      User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  if (getSystemMetricsForDpi) return getSystemMetricsForDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(SystemDpi()));
}

GuiFont::GuiFont(UINT dpi) {
  auto* stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  font_ = stock;
  const UINT stockDpi = SystemDpi();  // stock fonts are made for the system's DPI
  if (dpi == stockDpi) return;
  LOGFONTW description{};
  if (!GetObjectW(stock, sizeof description, &description)) return;
  description.lfHeight =
      MulDiv(description.lfHeight, static_cast<int>(dpi), static_cast<int>(stockDpi));
  description.lfWidth = 0;
  if (HFONT scaled = CreateFontIndirectW(&description)) {
    font_ = scaled;
    owned_ = true;
  }
}

GuiFont::~GuiFont() {
  if (owned_) DeleteObject(font_);
}

}  // namespace velmora::win32
