#pragma once

#include "core/window_port.h"
#include "ui/win32/main_window.h"

namespace velmora::win32 {

// The click control's view of the real window.
class Win32WindowPort final : public WindowPort {
 public:
  explicit Win32WindowPort(MainWindow& window) : window_(window) {}

  bool IsTicked(Control control) override;
  void SetTicked(Control control, bool ticked) override;
  Text GetText(Control control) override;
  void SetText(Control control, const Text& text) override;
  std::int32_t GetTimerPeriod(Timer timer) override;
  void SetTimerPeriod(Timer timer, std::int32_t milliseconds) override;
  void SetSettingsEnabled(bool enabled) override;
  void SetCaption(const Text& caption) override;
  void SetStatusText(const Text& text) override;
  int ShowMessage(const Text& text, int flags, const Text& title) override;
  void SetFocusTo(Control control) override;

 private:
  HWND HandleOf(Control control) const { return window_.ControlHandle(ui::IdOf(control)); }

  MainWindow& window_;
};

// The whole text of a window, as GBK.
Text WindowText(HWND window);

}  // namespace velmora::win32
