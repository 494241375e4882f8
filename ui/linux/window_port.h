#pragma once

#include <map>

#include "core/window_port.h"
#include "ui/linux/main_window.h"
#include "ui/linux/x11.h"

namespace velmora::linux_ui {

// The click control's view of the Qt window.
class QtWindowPort final : public WindowPort {
 public:
  // Without an X11 connection the status is shown but not published.
  QtWindowPort(MainWindow& window, X11Connection* x11);

  bool IsTicked(Control control) override;
  void SetTicked(Control control, bool ticked) override;
  Text GetText(Control control) override;
  void SetText(Control control, const Text& text) override;
  std::int32_t GetTimerPeriod(Timer timer) override;
  void SetTimerPeriod(Timer timer, std::int32_t milliseconds) override;
  void SetSettingsEnabled(bool enabled) override;
  void SetCaption(const Text& caption) override;
  // What the status bar shows is also published, at the bar's pace, as the
  // window's X property _VELMORA_STATUS (UTF-8), so scripts and tests can
  // read it.
  void SetStatusText(const Text& text) override;
  int ShowMessage(const Text& text, int flags, const Text& title) override;
  void SetFocusTo(Control control) override;

 private:
  void PublishStatus(const QString& shown);

  // A box's text as last converted: the settings are locked during a run, so
  // most reads find it unchanged and convert nothing.
  struct ConvertedText {
    QString shown;
    Text gbk;
  };

  MainWindow& window_;
  X11Connection* x11_;
  std::map<Control, ConvertedText> converted_;
};

}  // namespace velmora::linux_ui
