#include "ui/win32/main_window.h"

#include <commctrl.h>

#include <vector>

#include "ui/focus_ring.h"
#include "ui/handlers.h"
#include "ui/win32/dpi.h"
#include "ui/win32/gbk.h"
#include "ui/win32/hyperlink.h"
#include "ui/win32/label.h"

namespace velmora::win32 {
namespace {

using ui::ControlDescription;
using ui::ControlKind;

constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

void SetIcons(HWND window, HINSTANCE instance) {
  for (auto [which, size] : {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
    HANDLE icon = LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, size, size, LR_SHARED);
    if (icon) SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
}

}  // namespace

void MainWindow::RegisterClasses(HINSTANCE instance) {
  INITCOMMONCONTROLSEX commonControls{sizeof commonControls,
                                      ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&commonControls);
  RegisterClassOnce(instance, {.cursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)),
                               .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
  TimerWindow::Register(instance);
  Label::Register(instance);
  Hyperlink::Register(instance);
}

MainWindow::MainWindow(HINSTANCE instance, const Text& homepageAddress,
                       TimerResolution& resolution)
    : resolution_(resolution) {
  CreateTopLevel(instance);
  CreateControls(instance, homepageAddress);
  MoveIntoGroup();
  StackInTableOrder();
  LayOutAtDpi(DpiOfWindow(window_));
  ShowControls();
}

MainWindow::~MainWindow() {
  if (window_) {
    quitWhenDestroyed_ = false;
    DestroyWindow(window_);
  }
}

void MainWindow::CreateTopLevel(HINSTANCE instance) {
  // Centred on the primary screen, at the primary screen's DPI.
  const UINT dpi = SystemDpi();
  const int width = ScaleToDpi(ui::kWindowWidth, dpi);
  const int height = ScaleToDpi(ui::kWindowHeight, dpi);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  CreateAs(0, GbkToWide(ui::kDescribedCaption).c_str(), kWindowStyle, left, top, width, height,
           nullptr, instance);
  RECT outer{};
  GetWindowRect(window_, &outer);
  if (outer.right - outer.left != width || outer.bottom - outer.top != height) {
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetIcons(window_, instance);
}

std::optional<ControlId> MainWindow::IdOfHandle(HWND handle) const {
  for (int i = 0; i < ui::kControlCount; ++i) {
    if (handle && controls_[i] == handle) return static_cast<ControlId>(i);
  }
  return std::nullopt;
}

bool MainWindow::IsUsable(ControlId id) const {
  HWND control = ControlHandle(id);
  if (!control || !IsWindowVisible(control)) return false;
  for (HWND window = control; window && window != window_; window = GetParent(window)) {
    if (!IsWindowEnabled(window)) return false;
  }
  return true;
}

std::vector<ControlId> MainWindow::TabRing() const {
  return ui::TabRing([this](ControlId id) { return IsUsable(id); });
}

TimerWindow& MainWindow::TimerOf(Timer timer) {
  return timer == Timer::Click ? *clickTimer_ : *timeLimitTimer_;
}

void MainWindow::Bind(ClickControl& clickControl) {
  clickControl_ = &clickControl;
  clickTimer_->onPeriodic = [&clickControl] { clickControl.OnClickTick(); };
  timeLimitTimer_->onPeriodic = [&clickControl] { clickControl.OnTimedStop(); };
  Label::SetFeedbackHandler(ControlHandle(ControlId::MillisecondsLabel),
                     [&clickControl](std::int32_t identifier, std::int32_t second) {
                       clickControl.OnHotkey(identifier, second);
                     });
}

void MainWindow::RaiseClicked(ControlId id) {
  if (clickControl_) ui::RaiseClicked(*clickControl_, id);
}

void MainWindow::RaiseKeyDown(ControlId id, std::int32_t keyCode, std::int32_t modifierMask) {
  if (clickControl_) ui::RaiseKeyDown(*clickControl_, id, keyCode, modifierMask);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && !movingFocus_) {
        if (auto id = IdOfHandle(reinterpret_cast<HWND>(lParam))) RaiseClicked(*id);
      }
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColour(message, reinterpret_cast<HDC>(wParam),
                             reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
      OnActivate(wParam);
      break;
    case WM_SETFOCUS:
      OnFocus();
      return 0;
    case WM_SIZE:
      SendMessageW(ControlHandle(ControlId::StatusBar), WM_SIZE, 0, 0);
      break;
    case WM_DPICHANGED:
      ui::RunHandler([&] { OnDpiChanged(wParam, lParam); });
      return 0;
    case WM_DESTROY:
      if (quitWhenDestroyed_) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

LRESULT MainWindow::OnControlColour(UINT message, HDC dc, HWND control) {
  // Edit boxes are black on white, read-only ones too; everything else black
  // on the button face.
  wchar_t className[16] = {};
  GetClassNameW(control, className, 16);
  const bool isEdit = message == WM_CTLCOLOREDIT || lstrcmpiW(className, L"EDIT") == 0;
  SetTextColor(dc, RGB(0, 0, 0));
  if (isEdit) {
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) != WA_INACTIVE) return;
  HWND focus = GetFocus();
  if (focus && IsChild(window_, focus)) rememberedFocus_ = focus;
}

void MainWindow::OnFocus() {
  // Back to the control that had the focus, else to the first of the Tab ring.
  if (rememberedFocus_ && IsWindow(rememberedFocus_) && IsChild(window_, rememberedFocus_)) {
    FocusWithoutChoosing(rememberedFocus_);
    return;
  }
  const std::vector<ControlId> ring = TabRing();
  if (!ring.empty()) FocusWithoutChoosing(ControlHandle(ring.front()));
}

void MainWindow::FocusWithoutChoosing(HWND target) {
  struct RadioState {
    HWND radio;
    LRESULT check;
  };
  std::vector<RadioState> radios;
  for (const ControlDescription& control : ui::Controls()) {
    if (control.kind != ControlKind::RadioButton) continue;
    HWND radio = ControlHandle(control.id);
    radios.push_back({radio, SendMessageW(radio, BM_GETCHECK, 0, 0)});
  }
  movingFocus_ = true;
  SetFocus(target);
  movingFocus_ = false;
  for (const RadioState& state : radios) {
    if (SendMessageW(state.radio, BM_GETCHECK, 0, 0) != state.check) {
      SendMessageW(state.radio, BM_SETCHECK, static_cast<WPARAM>(state.check), 0);
    }
  }
}

}  // namespace velmora::win32