#pragma once

#include <windows.h>

#include <functional>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/click_control.h"
#include "ui/win32/base_window.h"
#include "ui/win32/keyboard.h"
#include "ui/win32/main_window.h"
#include "ui/win32/mouse.h"
#include "ui/win32/timer_resolution.h"
#include "ui/win32/window_port.h"

namespace velmora::win32::testing {

// Pumps this thread's messages the way the program's loop does (keyboard
// handling first) until the condition holds or the deadline passes.
bool PumpUntil(MainWindow* window, const std::function<bool()>& done, int timeoutMs = 10000);
void PumpFor(MainWindow* window, int milliseconds);

// Real keys through the system's input queue.
void PressKey(WORD virtualKey, bool extended = false);
void HoldKey(WORD virtualKey);
void ReleaseKey(WORD virtualKey);

// A plain top-level window of the test that records every mouse-button
// message with its screen point.
class ClickTarget : public BaseWindow<ClickTarget> {
 public:
  static constexpr wchar_t kClassName[] = L"VelmoraTestClickTarget";
  struct Press {
    UINT message;
    POINT screen;
  };
  ClickTarget(int left, int top, int width, int height);
  ~ClickTarget();
  POINT Centre() const;
  std::vector<Press> presses;

 private:
  friend class BaseWindow<ClickTarget>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
};

// Notes each request for the fine timer tick and each one given back.
class RecordingTimerResolution : public TimerResolution {
 public:
  void Begin() override { requests.push_back("begin"); }
  void End() override { requests.push_back("end"); }
  std::vector<std::string> requests;
};

// The real window, shown and in the foreground, with the click control bound
// to it and the hotkey identifier set as start-up would set it.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest();
  ~MainWindowTest() override;

  HWND Control(ControlId id) const { return window->ControlHandle(id); }
  void Focus(ControlId id);
  std::vector<ControlId> FocusAfterKeys(WORD key, int presses, bool withShift);
  // Another window becomes active, then this one again.
  void SwitchAwayAndBack();

  RecordingTimerResolution resolution;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Win32WindowPort> port;
  Win32Mouse mouse;
  ProgramState state;
  std::unique_ptr<ClickControl> control;
};

}  // namespace velmora::win32::testing
