#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <functional>
#include <optional>

#include "core/click_control.h"
#include "ui/linux/period_timer.h"
#include "ui/window_description.h"

namespace velmora::linux_ui {

using ui::ControlId;

// The program's one window, built from the window description with Qt
// widgets: the same controls, places, texts and initial states as on Windows.
class MainWindow : public QWidget {
 public:
  explicit MainWindow(const Text& homepageAddress);

  QWidget* Widget(ControlId id) const { return widgets_[static_cast<int>(id)]; }
  QAbstractButton* Button(ControlId id) const;
  QLineEdit* Edit(ControlId id) const;
  // Replaces an edit box's whole text, beyond its typing limit if need be.
  void SetEditText(ControlId id, const QString& text);
  // Locks or unlocks the settings group. Qt takes the focus away from a
  // control in a disabled group; unlocking gives it back.
  void SetSettingsEnabled(bool enabled);
  // Replaces the status bar's one text.
  void SetStatus(const QString& text);
  // Each status text as the bar shows it (at most every 100 ms, the last
  // one always), and the current one again now.
  void OnStatusShown(std::function<void(const QString&)> shown);
  void ShowStatusNow();
  PeriodTimer& TimerOf(Timer timer) {
    return timer == Timer::Click ? clickTimer_ : timeLimitTimer_;
  }

  void Bind(ClickControl& clickControl);
  // Visible and enabled (also through its parents).
  bool IsUsable(ControlId id) const;
  std::optional<ControlId> IdOf(const QWidget* widget) const;
  // The controls Tab visits now, in order.
  std::vector<QWidget*> TabRing() const;

 protected:
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* CreateControl(const ui::ControlDescription& control, QWidget* group,
                         const Text& homepageAddress);
  void RaiseClicked(ControlId id);
  // The description's typing limit, for typed and pasted text alike.
  void LimitTyping(QLineEdit* edit, int limit);
  bool MoveRadioChoice(ControlId focused, int step);

  std::array<QWidget*, ui::kControlCount> widgets_{};
  class StatusBar* statusBar_ = nullptr;
  PeriodTimer clickTimer_;
  PeriodTimer timeLimitTimer_;
  ClickControl* clickControl_ = nullptr;
  QPointer<QWidget> focusBeforeLock_;
};

}  // namespace velmora::linux_ui
