#include "core/click_control.h"

#include <cmath>
#include <limits>

#include "core/conversions.h"
#include "core/key_codes.h"
#include "core/message_box_values.h"

namespace velmora {
namespace {

constexpr double kMinutesToMilliseconds = 60000.0;
// Two counts closer than this are equal, so a limit such as "29.99999995"
// still ends the run after 30 clicks.
constexpr double kCountTolerance = 1e-7;
const Text kUnsetPosition = "定位";
const Text kNoPeriodStatus = "间隔须为正整数毫秒";

std::int32_t PeriodFromText(const Text& text, double scale = 1.0) {
  return NumberToPeriod(TextToNumber(text) * scale);
}

}  // namespace

void ClickControl::StartClicking() {
  // An interval that gives no period would lock the settings for a run that
  // never ticks and that the hotkey could not stop: the window stays idle
  // and says why.
  const std::int32_t period = PeriodFromText(window_.GetText(Control::IntervalBox));
  if (period <= 0) {
    window_.SetStatusText(kNoPeriodStatus);
    return;
  }
  // The time limit is armed before the click timer, and whenever the count
  // limit is off, whether or not TimeLimitOn is ticked.
  if (!window_.IsTicked(Control::CountLimitOn)) {
    window_.SetTimerPeriod(Timer::TimeLimit, PeriodFromText(window_.GetText(Control::MinutesBox),
                                                            kMinutesToMilliseconds));
  }
  window_.SetTimerPeriod(Timer::Click, period);
  window_.SetSettingsEnabled(false);
  state_.clickCounter = 0;
  window_.SetCaption(state_.programName + " - 已开始");
}

void ClickControl::StopClicking() {
  // The time-limit timer and the status text are left as they are.
  window_.SetTimerPeriod(Timer::Click, 0);
  state_.clickCounter = 0;
  window_.SetSettingsEnabled(true);
  window_.SetCaption(state_.programName + " - 已停止");
}

void ClickControl::OnHotkey(std::int32_t identifier, std::int32_t /*ignored*/) {
  if (identifier != state_.hotkeyId) return;
  if (window_.GetTimerPeriod(Timer::Click) != 0) {
    StopClicking();
  } else {
    StartClicking();
  }
}

bool ClickControl::CountLimitReached() {
  const double clicksDone = static_cast<double>(state_.clickCounter) - 1.0;
  const double limit = TextToNumber(window_.GetText(Control::CountBox));
  return std::fabs(clicksDone - limit) <= kCountTolerance;
}

void ClickControl::OnClickTick() {
  // Saturates instead of overflowing: after 2^31 - 1 ticks the number shown
  // stays at the largest value.
  if (state_.clickCounter < std::numeric_limits<std::int32_t>::max()) ++state_.clickCounter;

  if (window_.IsTicked(Control::CountLimitOn) && CountLimitReached()) {
    StopClicking();
    return;
  }
  // Four separate tests rather than one choice: each chosen mode acts.
  if (window_.IsTicked(Control::LeftClickMode)) ClickAtCursor(LeftClick, "左键点击 速度:");
  if (window_.IsTicked(Control::RightClickMode)) ClickAtCursor(RightClick, "右键点击 速度:");
  if (window_.IsTicked(Control::LocateMode)) {
    if (window_.GetText(Control::PositionBox) == kUnsetPosition) {
      StopClicking();
      window_.ShowMessage("没有设置位置", message_box::kOkOnly, "警告:");
    } else {
      ShowStatus("定位点击 速度:");
      mouse_.SimulateMouseClick(state_.capturedX, state_.capturedY, LeftClick);
    }
  }
  // The double click's label names the right button; users know it so.
  if (window_.IsTicked(Control::DoubleClickMode)) ClickAtCursor(LeftDoubleClick, "右键双击 速度:");
}

void ClickControl::ClickAtCursor(ClickKind kind, const Text& statusLabel) {
  mouse_.ClickAtCursor(kind);
  ShowStatus(statusLabel);
}

void ClickControl::ShowStatus(const Text& statusLabel) {
  window_.SetStatusText(statusLabel + window_.GetText(Control::IntervalBox) + " 毫秒 第 " +
                        IntegerToText(state_.clickCounter) + " 次");
}

void ClickControl::OnTimedStop() {
  window_.SetTimerPeriod(Timer::Click, 0);
  window_.SetTimerPeriod(Timer::TimeLimit, 0);
  StopClicking();
}

void ClickControl::OnCountLimitClicked() {
  if (window_.IsTicked(Control::CountLimitOn)) window_.SetTicked(Control::TimeLimitOn, false);
}

void ClickControl::OnTimeLimitClicked() {
  if (window_.IsTicked(Control::TimeLimitOn)) window_.SetTicked(Control::CountLimitOn, false);
}

void ClickControl::OnLocateModeClicked() { window_.SetFocusTo(Control::PositionBox); }

void ClickControl::CapturePosition(std::int32_t keyCode, std::int32_t /*ignoredModifiers*/) {
  if (keyCode != keys::kSpace) return;
  // The key is not swallowed: the read-only box takes the typed space as a no-op.
  const ScreenPoint cursor = mouse_.GetCursorPosition();
  state_.capturedX = cursor.x;
  state_.capturedY = cursor.y;
  window_.SetText(Control::PositionBox,
                  "X:" + IntegerToText(cursor.x) + " Y:" + IntegerToText(cursor.y));
}

}  // namespace velmora
