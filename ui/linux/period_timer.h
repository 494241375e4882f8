#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <cstdint>
#include <functional>
#include <memory>

namespace velmora::linux_ui {

// A timer with the window's period rules: a negative period counts as 0, the
// stored period again changes nothing (a running timer keeps its phase), any
// other value restarts it counting from now. Phase-locked: a periodic
// timerfd makes each tick due one period after the last one was due, not
// after it fired, and ticks missed meanwhile come as one, as a window
// timer's do.
class PeriodTimer : public QObject {
 public:
  PeriodTimer();
  ~PeriodTimer() override;
  PeriodTimer(const PeriodTimer&) = delete;
  PeriodTimer& operator=(const PeriodTimer&) = delete;

  std::int32_t Period() const { return period_; }
  void SetPeriod(std::int32_t milliseconds);
  std::function<void()> onPeriodic;

 private:
  void Arm(std::int32_t milliseconds);
  void DrainExpirations();

  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::int32_t period_ = 0;
};

}  // namespace velmora::linux_ui
