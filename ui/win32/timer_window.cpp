#include "ui/win32/timer_window.h"

#include <algorithm>

#include "ui/handlers.h"

namespace velmora::win32 {
namespace {
constexpr UINT_PTR kTimerId = 1000;
}  // namespace

TimerWindow::TimerWindow(HWND parent, int left, int top, int width, int height,
                         HINSTANCE instance, TimerResolution* resolution)
    : resolution_(resolution) {
  CreateAs(0, L"", WS_CHILD | WS_CLIPSIBLINGS, left, top, width, height, parent, instance);
}

TimerWindow::~TimerWindow() {
  if (window_) DestroyWindow(window_);
  HoldResolution(false);
}

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

LRESULT TimerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerId) {
    const LRESULT result = Default(message, wParam, lParam);
    // A tick already queued when the timer was stopped is not an event.
    if (period_ > 0 && onPeriodic) ui::RunHandler(onPeriodic);
    return result;
  }
  return Default(message, wParam, lParam);
}

}  // namespace velmora::win32
