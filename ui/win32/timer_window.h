#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace velmora::win32 {

// A hidden child window that owns one Windows timer (identifier 1000) and
// raises its periodic event at each WM_TIMER.
class TimerWindow {
 public:
  static void RegisterClass(HINSTANCE instance);

  TimerWindow(HWND parent, int left, int top, int width, int height, HINSTANCE instance);
  TimerWindow(const TimerWindow&) = delete;
  TimerWindow& operator=(const TimerWindow&) = delete;

  HWND Handle() const { return window_; }
  std::int32_t Period() const { return period_; }
  // A negative period counts as 0. The stored period again changes nothing,
  // so a running timer keeps its phase; any other value kills the timer and,
  // when positive, sets it anew counting from now.
  void SetPeriod(std::int32_t milliseconds);

  std::function<void()> onPeriodic;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  std::int32_t period_ = 0;
};

}  // namespace velmora::win32
