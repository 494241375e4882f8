#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "core/click_control.h"
#include "ui/win32/base_window.h"
#include "ui/win32/dpi.h"
#include "ui/win32/timer_window.h"
#include "ui/window_description.h"

namespace velmora::win32 {

using ui::ControlId;

// The program's one window and its nineteen controls, built hidden from the
// window description. Its events reach the click control once bound.
class MainWindow : public BaseWindow<MainWindow> {
 public:
  static constexpr wchar_t kClassName[] = L"VelmoraMainWindow";
  static void RegisterClasses(HINSTANCE instance);

  // The click timer asks the resolution for a fine tick while a run is in
  // progress.
  MainWindow(HINSTANCE instance, const Text& homepageAddress,
             TimerResolution& resolution = SystemTimerResolution());
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Handle(): null once the window has been destroyed.
  HWND ControlHandle(ControlId id) const { return controls_[static_cast<int>(id)]; }
  std::optional<ControlId> IdOfHandle(HWND handle) const;
  TimerWindow& TimerOf(Timer timer);
  // Visible, and neither the control nor a window above it disabled.
  bool IsUsable(ControlId id) const;
  // The controls Tab visits now, in order.
  std::vector<ControlId> TabRing() const;

  void Bind(ClickControl& clickControl);
  // The clicked and key-down events of the controls that have handlers.
  void RaiseClicked(ControlId id);
  void RaiseKeyDown(ControlId id, std::int32_t keyCode, std::int32_t modifierMask);

  // Gives the focus to a control without choosing a mode. On Windows an
  // automatic radio button that receives the focus unchecked checks itself
  // and reports a click; Tab and activation must only move the focus.
  void FocusWithoutChoosing(HWND target);

  // Set while a message loop runs for the window: destroying it then ends
  // that loop.
  void QuitWhenDestroyed(bool quit) { quitWhenDestroyed_ = quit; }

 private:
  friend class BaseWindow<MainWindow>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnWindowGone() { controls_.fill(nullptr); }
  LRESULT OnControlColour(UINT message, HDC dc, HWND control);
  void OnActivate(WPARAM wParam);
  void OnFocus();

  void CreateTopLevel(HINSTANCE instance);
  void CreateControls(HINSTANCE instance, const Text& homepageAddress);
  HWND CreateControl(const ui::ControlDescription& control, HINSTANCE instance,
                     const Text& homepageAddress);
  // Places, sizes and the font at a DPI; the description's pixels are at 96.
  void LayOutAtDpi(UINT dpi);
  void OnDpiChanged(WPARAM wParam, LPARAM lParam);
  void MoveIntoGroup();
  void StackInTableOrder();
  void ShowControls();

  TimerResolution& resolution_;
  std::array<HWND, ui::kControlCount> controls_{};
  std::unique_ptr<GuiFont> font_;
  std::unique_ptr<TimerWindow> clickTimer_;
  std::unique_ptr<TimerWindow> timeLimitTimer_;
  ClickControl* clickControl_ = nullptr;
  HWND rememberedFocus_ = nullptr;
  bool quitWhenDestroyed_ = false;
  bool movingFocus_ = false;  // clicks reported meanwhile are not the user's
};

}  // namespace velmora::win32
