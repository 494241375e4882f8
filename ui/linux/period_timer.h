#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

namespace velmora::linux_ui {

// A timer with the window's period rules: a negative period counts as 0, the
// stored period again changes nothing (a running timer keeps its phase), any
// other value restarts it counting from now. Qt's precise timers schedule
// each tick from the previous one's due time, so a long run does not drift.
class PeriodTimer : public QObject {
 public:
  PeriodTimer();
  std::int32_t Period() const { return period_; }
  void SetPeriod(std::int32_t milliseconds);
  std::function<void()> onPeriodic;

 private:
  QTimer timer_;
  std::int32_t period_ = 0;
};

}  // namespace velmora::linux_ui
