// Runs in a Wine prefix whose screen is set to 144 DPI (150 %).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ui/win32/dpi.h"
#include "ui/win32/gbk.h"
#include "ui/win32/main_window.h"

namespace velmora::win32::testing {
namespace {

using ui::ControlKind;

constexpr UINT kTestDpi = 144;

// 1.5 times, halves rounded up.
int OneAndAHalf(int pixels) { return (pixels * 3 + 1) / 2; }

// What the program's manifest declares; a test executable has no manifest.
void DeclarePerMonitorDpiAwareness() {
  using SetContext = BOOL(WINAPI*)(HANDLE);
  const auto set = reinterpret_cast<SetContext>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
  const auto kPerMonitorV2 = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4));
  if (!set || !set(kPerMonitorV2)) SetProcessDPIAware();
}

RECT PlaceInParent(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE TextExtent(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return extent;
}

class HighDpi : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    DeclarePerMonitorDpiAwareness();
    MainWindow::RegisterClasses(GetModuleHandleW(nullptr));
  }
  MainWindow window{GetModuleHandleW(nullptr), "http://127.0.0.1:9/"};
};

TEST_F(HighDpi, TheScreenIsAt144Dpi) { ASSERT_EQ(DpiOfWindow(window.Handle()), kTestDpi); }

TEST_F(HighDpi, WindowAndControlsAreOneAndAHalfTimesTheirSize) {
  RECT outer;
  GetWindowRect(window.Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, 477);  // 318 × 1.5
  EXPECT_EQ(outer.bottom - outer.top, 488);  // 325 × 1.5, rounded
  for (const ui::ControlDescription& control : ui::Controls()) {
    if (control.kind == ControlKind::StatusBar) continue;  // docked by its own rules
    const RECT place = PlaceInParent(window.ControlHandle(control.id));
    SCOPED_TRACE(::testing::Message() << "control " << static_cast<int>(control.id));
    EXPECT_EQ(place.left, OneAndAHalf(control.left));
    EXPECT_EQ(place.top, OneAndAHalf(control.top));
    EXPECT_EQ(place.right - place.left, OneAndAHalf(control.width));
    if (control.kind == ControlKind::Edit) {
      EXPECT_GE(place.bottom - place.top, OneAndAHalf(control.height));
    } else {
      EXPECT_EQ(place.bottom - place.top, OneAndAHalf(control.height));
    }
  }
}

TEST_F(HighDpi, TheFontIsScaledAndNoTextIsClipped) {
  LOGFONTW stock{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
  for (const ui::ControlDescription& control : ui::Controls()) {
    if (!control.text || control.kind == ControlKind::StatusBar ||
        control.kind == ControlKind::GroupBox || control.kind == ControlKind::Timer) {
      continue;
    }
    HWND handle = window.ControlHandle(control.id);
    SCOPED_TRACE(::testing::Message() << "control " << static_cast<int>(control.id));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, stock.lfHeight);  // the stock font is made for the system's 144 DPI
    RECT client;
    GetClientRect(handle, &client);
    int room = client.right;
    if (control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton) {
      room -= SystemMetricForDpi(SM_CXMENUCHECK, kTestDpi);  // the box or circle beside the text
    }
    const SIZE extent = TextExtent(handle, GbkToWide(control.text));
    EXPECT_LE(extent.cx, room);
    EXPECT_LE(extent.cy, client.bottom);
  }
}

}  // namespace
}  // namespace velmora::win32::testing
