#include "ui/linux/period_timer.h"

#include <algorithm>

#include "ui/handlers.h"

namespace velmora::linux_ui {

PeriodTimer::PeriodTimer() {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] {
    if (period_ > 0 && onPeriodic) ui::RunHandler(onPeriodic);
  });
}

void PeriodTimer::SetPeriod(std::int32_t milliseconds) {
  const std::int32_t period = std::max<std::int32_t>(milliseconds, 0);
  if (period == period_) return;
  timer_.stop();
  period_ = period;
  if (period_ > 0) timer_.start(period_);
}

}  // namespace velmora::linux_ui
