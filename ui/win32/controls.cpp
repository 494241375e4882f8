// The nineteen controls, built from the window description and laid out at
// the monitor's DPI.
#include "ui/win32/main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>

#include "ui/win32/dpi.h"
#include "ui/win32/gbk.h"
#include "ui/win32/hyperlink.h"
#include "ui/win32/label.h"

namespace velmora::win32 {
namespace {

using ui::ControlDescription;
using ui::ControlKind;

constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD kSingleLineEditStyle = ES_AUTOHSCROLL | ES_CENTER;
constexpr DWORD kMultiLineEditStyle = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
constexpr DWORD kOptionStyle = BS_MULTILINE | BS_LEFT | BS_VCENTER;

// A single-line box is never lower than a character of its font plus its edges.
int EditHeight(HWND window, HFONT font, int height, UINT dpi) {
  HDC dc = GetDC(window);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SIZE extent{};
  GetTextExtentPoint32W(dc, L"吴", 1, &extent);
  SelectObject(dc, oldFont);
  ReleaseDC(window, dc);
  return std::max<int>(height, extent.cy + 2 * SystemMetricForDpi(SM_CYEDGE, dpi));
}

void SetFont(HWND window, HFONT font) {
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

LRESULT CALLBACK ForwardToWindow(HWND group, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*id*/, DWORD_PTR mainWindow) {
  // The group box is the parent of thirteen controls; their notifications and
  // colour requests belong to the main window.
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(reinterpret_cast<HWND>(mainWindow), message, wParam, lParam);
    case WM_ERASEBKGND: {
      // The main window clips its children, so nothing else paints behind
      // the group box's frame.
      RECT client;
      GetClientRect(group, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      return DefSubclassProc(group, message, wParam, lParam);
  }
}

}  // namespace

void MainWindow::CreateControls(HINSTANCE instance, const Text& homepageAddress) {
  for (const ControlDescription& control : ui::Controls()) {
    controls_[static_cast<int>(control.id)] = CreateControl(control, instance, homepageAddress);
  }
}

void MainWindow::LayOutAtDpi(UINT dpi) {
  auto font = std::make_unique<GuiFont>(dpi);
  SetFont(window_, font->Handle());
  for (const ControlDescription& control : ui::Controls()) {
    HWND handle = ControlHandle(control.id);
    SetFont(handle, font->Handle());
    if (control.kind == ControlKind::StatusBar) continue;  // docked, placed by its own rules
    int height = ScaleToDpi(control.height, dpi);
    if (control.kind == ControlKind::Edit) height = EditHeight(window_, font->Handle(), height, dpi);
    MoveWindow(handle, ScaleToDpi(control.left, dpi), ScaleToDpi(control.top, dpi),
               ScaleToDpi(control.width, dpi), height, FALSE);
  }
  HWND bar = ControlHandle(ControlId::StatusBar);
  int rightEdge = ScaleToDpi(ui::kStatusPartRightEdge, dpi);
  SendMessageW(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&rightEdge));
  SendMessageW(bar, WM_SIZE, 0, 0);
  font_ = std::move(font);  // the old font goes once no control uses it
  InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  LayOutAtDpi(HIWORD(wParam));
  const auto* suggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window_, nullptr, suggested->left, suggested->top,
               suggested->right - suggested->left, suggested->bottom - suggested->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND MainWindow::CreateControl(const ControlDescription& control, HINSTANCE instance,
                               const Text& homepageAddress) {
  const DWORD tabStop = control.tabStop ? WS_TABSTOP : 0;
  const DWORD readOnly = control.readOnly ? ES_READONLY : 0;
  const std::wstring text = GbkToWide(control.text ? control.text : ui::UsageText());
  auto button = [&](DWORD kindStyle) {
    HWND handle = CreateWindowExW(0, L"BUTTON", text.c_str(), kChildStyle | tabStop | kindStyle,
                                  control.left, control.top, control.width, control.height, window_,
                                  nullptr, instance, nullptr);
    if (control.ticked) SendMessageW(handle, BM_SETCHECK, BST_CHECKED, 0);
    return handle;
  };
  auto edit = [&](DWORD kindStyle, int height) {
    HWND handle = CreateWindowExW(
        WS_EX_STATICEDGE, L"EDIT", text.c_str(), kChildStyle | tabStop | readOnly | kindStyle,
        control.left, control.top, control.width, height, window_, nullptr, instance, nullptr);
    SendMessageW(handle, EM_LIMITTEXT, static_cast<WPARAM>(control.textLimit), 0);
    SendMessageW(handle, EM_SETSEL, 0, 0);
    return handle;
  };

  switch (control.kind) {
    case ControlKind::Timer: {
      // Only the click timer needs the fine tick: a minute's limit does not.
      const bool isClickTimer = control.id == ControlId::ClickTimer;
      auto& timer = isClickTimer ? clickTimer_ : timeLimitTimer_;
      timer = std::make_unique<TimerWindow>(window_, control.left, control.top, control.width,
                                            control.height, instance,
                                            isClickTimer ? &resolution_ : nullptr);
      return timer->Handle();
    }
    case ControlKind::Label: {
      HWND label =
          Label::Create(window_, control.left, control.top, control.width, control.height, instance);
      SetWindowTextW(label, text.c_str());
      return label;
    }
    case ControlKind::Edit:
      return edit(kSingleLineEditStyle, control.height);
    case ControlKind::MultiLineEdit:
      return edit(kMultiLineEditStyle, control.height);
    case ControlKind::CheckBox:
      return button(BS_AUTOCHECKBOX | kOptionStyle);
    case ControlKind::RadioButton:
      return button(BS_AUTORADIOBUTTON | kOptionStyle);
    case ControlKind::GroupBox:
      return button(BS_GROUPBOX | BS_LEFT);
    case ControlKind::Hyperlink: {
      HWND link = Hyperlink::Create(window_, control.left, control.top, control.width, control.height,
                                  homepageAddress, instance);
      SetWindowTextW(link, text.c_str());
      return link;
    }
    case ControlKind::StatusBar: {
      // Docked at the bottom across the client area: the stored place is not used.
      HWND bar =
          CreateWindowExW(0, STATUSCLASSNAMEW, L"", kChildStyle | CCS_BOTTOM | SBARS_TOOLTIPS, 0, 0,
                          0, 0, window_, nullptr, instance, nullptr);
      int rightEdge = ui::kStatusPartRightEdge;
      SendMessageW(bar, SB_SIMPLE, FALSE, 0);
      SendMessageW(bar, CCM_SETBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
      SendMessageW(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&rightEdge));  // scaled later
      SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
      SendMessageW(bar, SB_SETTIPTEXTW, 0, reinterpret_cast<LPARAM>(L""));
      return bar;
    }
  }
  return nullptr;
}

void MainWindow::MoveIntoGroup() {
  HWND group = ControlHandle(ControlId::SettingsGroup);
  for (const ControlDescription& control : ui::Controls()) {
    if (control.insideGroup) SetParent(ControlHandle(control.id), group);
  }
  SetWindowSubclass(group, &ForwardToWindow, 0, reinterpret_cast<DWORD_PTR>(window_));
}

void MainWindow::StackInTableOrder() {
  HWND lastInWindow = HWND_TOP;
  HWND lastInGroup = HWND_TOP;
  for (const ControlDescription& control : ui::Controls()) {
    HWND& above = control.insideGroup ? lastInGroup : lastInWindow;
    HWND handle = ControlHandle(control.id);
    SetWindowPos(handle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = handle;
  }
}

void MainWindow::ShowControls() {
  for (const ControlDescription& control : ui::Controls()) {
    ShowWindow(ControlHandle(control.id), control.visible ? SW_SHOWNA : SW_HIDE);
  }
}

}  // namespace velmora::win32
