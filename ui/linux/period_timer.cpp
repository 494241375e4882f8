#include "ui/linux/period_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

#include "ui/handlers.h"

namespace velmora::linux_ui {
namespace {

timespec FromMilliseconds(std::int32_t milliseconds) {
  return {milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
}

}  // namespace

PeriodTimer::PeriodTimer() : fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
  if (fd_ < 0) return;  // no timer to be had: SetPeriod stores, nothing ticks
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    DrainExpirations();  // however many were missed, one tick
    if (period_ > 0 && onPeriodic) ui::RunHandler(onPeriodic);
  });
}

PeriodTimer::~PeriodTimer() {
  notifier_.reset();
  if (fd_ >= 0) close(fd_);
}

void PeriodTimer::SetPeriod(std::int32_t milliseconds) {
  const std::int32_t period = std::max<std::int32_t>(milliseconds, 0);
  if (period == period_) return;
  period_ = period;
  Arm(period_);
}

void PeriodTimer::Arm(std::int32_t milliseconds) {
  if (fd_ < 0) return;
  // First due one period from now, then every period after the last due time.
  itimerspec schedule{};
  schedule.it_interval = FromMilliseconds(milliseconds);
  schedule.it_value = FromMilliseconds(milliseconds);
  timerfd_settime(fd_, 0, &schedule, nullptr);  // 0: disarmed
  DrainExpirations();  // a tick of the old period is not one of the new
}

void PeriodTimer::DrainExpirations() {
  std::uint64_t expirations = 0;
  while (read(fd_, &expirations, sizeof expirations) > 0) {
  }
}

}  // namespace velmora::linux_ui
