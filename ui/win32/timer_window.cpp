#include "ui/win32/timer_window.h"

#include <algorithm>

#include "ui/handlers.h"

namespace velmora::win32 {
namespace {
constexpr wchar_t kClassName[] = L"VelmoraTimer";
constexpr UINT_PTR kTimerId = 1000;
}  // namespace

void TimerWindow::RegisterClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &TimerWindow::Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

TimerWindow::TimerWindow(HWND parent, int left, int top, int width, int height,
                         HINSTANCE instance, TimerResolution* resolution)
    : resolution_(resolution) {
  window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, left, top, width,
                            height, parent, nullptr, instance, nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TimerWindow::~TimerWindow() { HoldResolution(false); }

void TimerWindow::SetPeriod(std::int32_t milliseconds) {
  const std::int32_t period = std::max<std::int32_t>(milliseconds, 0);
  if (period == period_) return;
  if (period_ > 0) KillTimer(window_, kTimerId);
  period_ = period;
  // The finer tick first, so that the first period is already measured by it.
  HoldResolution(period_ > 0 && window_);
  if (period_ > 0) SetTimer(window_, kTimerId, static_cast<UINT>(period_), nullptr);
}

void TimerWindow::HoldResolution(bool hold) {
  if (!resolution_ || hold == holdingResolution_) return;
  holdingResolution_ = hold;
  if (hold) {
    resolution_->Begin();
  } else {
    resolution_->End();
  }
}

LRESULT CALLBACK TimerWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerId) {
    const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    auto* self = reinterpret_cast<TimerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // A tick already queued when the timer was stopped is not an event.
    if (self && self->period_ > 0 && self->onPeriodic) ui::RunHandler(self->onPeriodic);
    return result;
  }
  if (message == WM_NCDESTROY) {
    // A window closed in the middle of a run gives its tick request back.
    if (auto* self = reinterpret_cast<TimerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
      self->HoldResolution(false);
      self->window_ = nullptr;
    }
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace velmora::win32
