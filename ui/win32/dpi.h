#pragma once

#include <windows.h>

namespace velmora::win32 {

// The window is described in pixels at 96 DPI (100 %); on a screen of
// another DPI every place, size and font is scaled by DPI / 96.
inline constexpr UINT kDescribedDpi = 96;

inline int ScaleToDpi(int value, UINT dpi) {
  return MulDiv(value, static_cast<int>(dpi), static_cast<int>(kDescribedDpi));
}

// The DPI of the monitor the window is on, where Windows tells it per
// monitor (Windows 10 1607 and later); else the system's.
UINT DpiOfWindow(HWND window);
UINT SystemDpi();
// GetSystemMetrics at a DPI, where Windows has GetSystemMetricsForDpi.
int SystemMetricForDpi(int index, UINT dpi);

// The program's font (DEFAULT_GUI_FONT) at a DPI. At the DPI the stock font
// was made for, it is the stock font itself; elsewhere a scaled copy that
// this object owns.
class GuiFont {
 public:
  explicit GuiFont(UINT dpi);
  ~GuiFont();
  GuiFont(const GuiFont&) = delete;
  GuiFont& operator=(const GuiFont&) = delete;
  HFONT Handle() const { return font_; }

 private:
  HFONT font_ = nullptr;
  bool owned_ = false;
};

}  // namespace velmora::win32
