#include <algorithm>

#include "core/conversions.h"
#include "tests/core/fakes.h"

namespace velmora::testing {

std::vector<std::string> EventLog::Starting(const std::string& prefix) const {
  std::vector<std::string> matching;
  std::copy_if(entries.begin(), entries.end(), std::back_inserter(matching),
               [&](const std::string& entry) { return entry.rfind(prefix, 0) == 0; });
  return matching;
}

const char* NameOf(Control control) {
  switch (control) {
    case Control::CountLimitOn:
      return "选择框1";
    case Control::TimeLimitOn:
      return "选择框2";
    case Control::LeftClickMode:
      return "鼠标1";
    case Control::RightClickMode:
      return "鼠标2";
    case Control::LocateMode:
      return "鼠标3";
    case Control::DoubleClickMode:
      return "鼠标4";
    case Control::IntervalBox:
      return "编辑框1";
    case Control::CountBox:
      return "编辑框3";
    case Control::PositionBox:
      return "编辑框4";
    case Control::MinutesBox:
      return "编辑框5";
  }
  return "?";
}

const char* NameOf(Timer timer) { return timer == Timer::Click ? "时钟1" : "时钟2定时"; }

FakeWindow::FakeWindow(EventLog& log) : log_(log) {
  ticked_[Control::CountLimitOn] = true;
  ticked_[Control::LeftClickMode] = true;
  texts_[Control::IntervalBox] = "100";
  texts_[Control::CountBox] = "30";
  texts_[Control::PositionBox] = "定位";
  texts_[Control::MinutesBox] = "1";
}

void FakeWindow::SetTicked(Control control, bool ticked) {
  ticked_[control] = ticked;
  log_.Add(std::string("ticked ") + NameOf(control) + "=" + (ticked ? "1" : "0"));
}

void FakeWindow::SetText(Control control, const Text& text) {
  texts_[control] = text;
  log_.Add(std::string("text ") + NameOf(control) + "=" + text);
}

void FakeWindow::SetTimerPeriod(Timer timer, std::int32_t milliseconds) {
  log_.Add(std::string("timer ") + NameOf(timer) + "=" + IntegerToText(milliseconds));
  SimulatedTimer& simulated = TimerOf(timer);
  const std::int32_t period = std::max(milliseconds, 0);
  if (period == simulated.period) return;
  simulated.period = period;
  simulated.nextFire = now_ + period;
}

void FakeWindow::SetSettingsEnabled(bool enabled) {
  settingsEnabled_ = enabled;
  log_.Add(std::string("enabled=") + (enabled ? "1" : "0"));
}

void FakeWindow::SetCaption(const Text& caption) {
  caption_ = caption;
  log_.Add("caption=" + caption);
}

void FakeWindow::SetStatusText(const Text& text) {
  status_ = text;
  log_.Add("status=" + text);
}

int FakeWindow::ShowMessage(const Text& text, int flags, const Text& title) {
  log_.Add("message=" + text + "|" + IntegerToText(flags) + "|" + title);
  const int button = whileMessageShown ? whileMessageShown() : 0;
  log_.Add("message closed");
  return button;
}

void FakeWindow::SetFocusTo(Control control) { log_.Add(std::string("focus=") + NameOf(control)); }

void FakeWindow::Choose(Control radio) {
  for (Control each : {Control::LeftClickMode, Control::RightClickMode, Control::LocateMode, Control::DoubleClickMode}) {
    ticked_[each] = each == radio;
  }
}

void FakeWindow::AdvanceTo(std::int64_t time) {
  for (;;) {
    SimulatedTimer* due = nullptr;
    for (SimulatedTimer& timer : timers_) {
      if (timer.period > 0 && timer.nextFire <= time && (!due || timer.nextFire < due->nextFire)) {
        due = &timer;
      }
    }
    if (!due) break;
    now_ = due->nextFire;
    due->nextFire += due->period;
    const bool isClickTimer = due == &timers_[static_cast<int>(Timer::Click)];
    const auto& handler = isClickTimer ? onClickTimer : onTimeLimitTimer;
    if (handler) handler();
  }
  now_ = std::max(now_, time);
}

void FakeMouse::SimulateMouseClick(std::int32_t x, std::int32_t y, ClickKind kind) {
  log_.Add("click " + IntegerToText(x) + "," + IntegerToText(y) + " kind " + IntegerToText(kind));
  cursor = {x, y};
  for (ButtonEvent event : ButtonEventsOf(kind)) buttons.push_back({event, x, y});
}

}  // namespace velmora::testing
