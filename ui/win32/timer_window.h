#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "ui/win32/base_window.h"
#include "ui/win32/timer_resolution.h"

namespace velmora::win32 {

// A hidden child window that owns one Windows timer (identifier 1000) and
// raises its periodic event at each WM_TIMER.
class TimerWindow : public BaseWindow<TimerWindow> {
 public:
  static constexpr wchar_t kClassName[] = L"VelmoraTimer";
  static void Register(HINSTANCE instance) { RegisterClassOnce(instance); }

  // With a resolution, the timer holds a request for the system's finest
  // tick exactly while its period is positive and its window exists.
  TimerWindow(HWND parent, int left, int top, int width, int height, HINSTANCE instance,
              TimerResolution* resolution = nullptr);
  ~TimerWindow();

  std::int32_t Period() const { return period_; }
  // A negative period counts as 0. The stored period again changes nothing,
  // so a running timer keeps its phase; any other value kills the timer and,
  // when positive, sets it anew counting from now.
  void SetPeriod(std::int32_t milliseconds);

  std::function<void()> onPeriodic;

 private:
  friend class BaseWindow<TimerWindow>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnWindowGone() { HoldResolution(false); }  // closed in the middle of a run
  void HoldResolution(bool hold);

  std::int32_t period_ = 0;
  TimerResolution* resolution_ = nullptr;
  bool holdingResolution_ = false;
};

}  // namespace velmora::win32
