#include <windows.h>

#include <algorithm>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/win32/window_fixture.h"
#include "ui/win32/gbk.h"

namespace velmora::win32::testing {
namespace {

using ui::ControlDescription;
using ui::ControlKind;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

const wchar_t* ExpectedClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::Timer:
      return L"VelmoraTimer";
    case ControlKind::Label:
      return L"VelmoraLabel";
    case ControlKind::Edit:
    case ControlKind::MultiLineEdit:
      return L"Edit";
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
      return L"Button";
    case ControlKind::StatusBar:
      return STATUSCLASSNAMEW;
    case ControlKind::Hyperlink:
      return L"VelmoraHyperlink";
  }
  return L"";
}

int EditMinimumHeight(HWND window) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SIZE extent{};
  GetTextExtentPoint32W(dc, L"吴", 1, &extent);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return extent.cy + 2 * GetSystemMetrics(SM_CYEDGE);
}

class ControlTable : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(ControlTable, ControlIsBuiltAsDescribed) {
  const ControlDescription& d = ui::Controls()[static_cast<std::size_t>(GetParam())];
  SCOPED_TRACE(d.name);
  HWND handle = Control(d.id);
  ASSERT_TRUE(IsWindow(handle));
  EXPECT_EQ(ClassOf(handle), ExpectedClass(d.kind));

  HWND expectedParent = d.insideGroup ? Control(ControlId::SettingsGroup) : window->Handle();
  EXPECT_EQ(GetParent(handle), expectedParent);

  const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(handle, GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_CHILD);
  EXPECT_EQ((style & WS_VISIBLE) != 0, d.visible);
  EXPECT_EQ((style & WS_TABSTOP) != 0, d.tabStop);
  EXPECT_TRUE(IsWindowEnabled(handle));

  if (d.kind != ControlKind::StatusBar) {
    RECT rect;
    GetWindowRect(handle, &rect);
    MapWindowPoints(nullptr, expectedParent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, d.left);
    EXPECT_EQ(rect.top, d.top);
    EXPECT_EQ(rect.right - rect.left, d.width);
    const int height =
        d.kind == ControlKind::Edit ? std::max(d.height, EditMinimumHeight(handle)) : d.height;
    EXPECT_EQ(rect.bottom - rect.top, height);
  }

  switch (d.kind) {
    case ControlKind::Edit:
    case ControlKind::MultiLineEdit: {
      EXPECT_TRUE(exStyle & WS_EX_STATICEDGE);
      EXPECT_EQ((style & ES_READONLY) != 0, d.readOnly);
      const bool multiLine = d.kind == ControlKind::MultiLineEdit;
      EXPECT_EQ((style & ES_MULTILINE) != 0, multiLine);
      EXPECT_EQ((style & ES_CENTER) != 0, !multiLine);
      EXPECT_EQ((style & ES_AUTOHSCROLL) != 0, !multiLine);
      EXPECT_EQ((style & WS_VSCROLL) != 0, multiLine);
      const auto limit = SendMessageW(handle, EM_GETLIMITTEXT, 0, 0);
      if (d.textLimit) {
        EXPECT_EQ(limit, d.textLimit);
      } else {
        EXPECT_GT(limit, 30000);
      }
      break;
    }
    case ControlKind::CheckBox:
      EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
      EXPECT_EQ(SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED, d.ticked);
      break;
    case ControlKind::RadioButton:
      EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
      EXPECT_FALSE(style & WS_GROUP);
      EXPECT_EQ(SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED, d.ticked);
      break;
    case ControlKind::GroupBox:
      EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX);
      break;
    default:
      break;
  }

  if (d.kind == ControlKind::StatusBar) {
    wchar_t text[64] = {};
    SendMessageW(handle, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(WideToGbk(text), d.text);
    EXPECT_EQ(SendMessageW(handle, SB_GETPARTS, 0, 0), 1);
    EXPECT_TRUE(style & CCS_BOTTOM);
    EXPECT_FALSE(style & SBARS_SIZEGRIP);
  } else if (d.kind != ControlKind::Timer) {
    EXPECT_EQ(WindowText(handle), d.text ? Text(d.text) : ui::UsageText());
  }
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(handle, WM_GETFONT, 0, 0)),
            d.kind == ControlKind::Timer ? nullptr : GetStockObject(DEFAULT_GUI_FONT));
}

INSTANTIATE_TEST_SUITE_P(AllNineteen, ControlTable, ::testing::Range(0, ui::kControlCount));

TEST_F(MainWindowTest, WindowIsFixedSizeAndCentred) {
  RECT rect;
  GetWindowRect(window->Handle(), &rect);
  EXPECT_EQ(rect.right - rect.left, 318);
  EXPECT_EQ(rect.bottom - rect.top, 325);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 318) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 325) / 2);
  const LONG_PTR style = GetWindowLongPtrW(window->Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(WindowText(window->Handle()), "Velmora");
}

TEST_F(MainWindowTest, UsageTextIsFortyOneLinesOf929Bytes) {
  const Text usage = WindowText(Control(ControlId::UsageBox));
  EXPECT_EQ(usage.size(), 929u);
  EXPECT_EQ(std::count(usage.begin(), usage.end(), '\n'), 40);
  EXPECT_EQ(usage.rfind("使用说明：\r\n\r\n1.选择需要点击的模式", 0), 0u);
  EXPECT_EQ(usage.substr(usage.size() - 38), "\r\n------------------------------------");
}

TEST_F(MainWindowTest, ControlsAreStackedInTableOrderUnderEachParent) {
  for (HWND parent : {window->Handle(), Control(ControlId::SettingsGroup)}) {
    std::vector<HWND> expected;
    for (const ControlDescription& d : ui::Controls()) {
      if (GetParent(Control(d.id)) == parent) expected.push_back(Control(d.id));
    }
    std::vector<HWND> stacked;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      stacked.push_back(child);
    }
    EXPECT_EQ(stacked, expected);
  }
  EXPECT_EQ(std::count_if(ui::Controls().begin(), ui::Controls().end(),
                          [](const ControlDescription& d) { return d.insideGroup; }),
            13);
}

}  // namespace
}  // namespace velmora::win32::testing
