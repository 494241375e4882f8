#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/mouse.h"
#include "core/window_port.h"

namespace velmora::testing {

// What the fakes did, in order, as readable lines ("caption=...", "click 5,6 kind 0").
struct EventLog {
  std::vector<std::string> entries;
  void Add(std::string entry) { entries.push_back(std::move(entry)); }
  // The entries that begin with prefix, in order.
  std::vector<std::string> Starting(const std::string& prefix) const;
};

const char* NameOf(Control control);
const char* NameOf(Timer timer);

// A window over a simulated millisecond clock. Its controls start as the real
// window's do, and its timers follow SetTimerPeriod's rules: a negative
// period is stored as 0, the stored period again keeps the phase, any other
// value restarts counting from the call.
class FakeWindow : public WindowPort {
 public:
  explicit FakeWindow(EventLog& log);

  bool IsTicked(Control control) override { return ticked_[control]; }
  void SetTicked(Control control, bool ticked) override;
  Text GetText(Control control) override { return texts_[control]; }
  void SetText(Control control, const Text& text) override;
  std::int32_t GetTimerPeriod(Timer timer) override { return TimerOf(timer).period; }
  void SetTimerPeriod(Timer timer, std::int32_t milliseconds) override;
  void SetSettingsEnabled(bool enabled) override;
  void SetCaption(const Text& caption) override;
  void SetStatusText(const Text& text) override;
  int ShowMessage(const Text& text, int flags, const Text& title) override;
  void SetFocusTo(Control control) override;

  // What a user would do: set a control without going through the port log.
  void Tick(Control control, bool ticked) { ticked_[control] = ticked; }
  // Chooses one radio button and clears the other three, as a click would.
  void Choose(Control radio);
  void Type(Control control, const Text& text) { texts_[control] = text; }

  // Runs every timer event due up to and including the given time, in time
  // order; equal times go to the click timer first.
  void AdvanceTo(std::int64_t time);
  void AdvanceBy(std::int64_t milliseconds) { AdvanceTo(now_ + milliseconds); }
  std::int64_t Now() const { return now_; }

  // Bound like the window binds the timers' periodic events.
  std::function<void()> onClickTimer;
  std::function<void()> onTimeLimitTimer;
  // Runs while the "box" is open and gives its button value (0 by default).
  std::function<int()> whileMessageShown;

  const Text& Caption() const { return caption_; }
  const Text& StatusText() const { return status_; }
  bool SettingsEnabled() const { return settingsEnabled_; }

 private:
  struct SimulatedTimer {
    std::int32_t period = 0;
    std::int64_t nextFire = 0;
  };
  SimulatedTimer& TimerOf(Timer timer) { return timers_[static_cast<int>(timer)]; }

  EventLog& log_;
  std::map<Control, bool> ticked_;
  std::map<Control, Text> texts_;
  std::array<SimulatedTimer, 2> timers_{};
  std::int64_t now_ = 0;
  Text caption_ = "Velmora V1.8";
  Text status_ = "开始吧~！";
  bool settingsEnabled_ = true;
};

struct RecordedButton {
  ButtonEvent event;
  std::int32_t x;
  std::int32_t y;
};

// A mouse whose cursor stays where it was put and whose clicks are recorded,
// button event by button event.
class FakeMouse : public MousePort {
 public:
  explicit FakeMouse(EventLog& log) : log_(log) {}

  void SimulateMouseClick(std::int32_t x, std::int32_t y, ClickKind kind) override;
  ScreenPoint GetCursorPosition() override { return cursor; }

  ScreenPoint cursor{640, 480};
  std::vector<RecordedButton> buttons;

 private:
  EventLog& log_;
};

}  // namespace velmora::testing
