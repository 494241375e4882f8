#pragma once

#include <cstdint>

#include "core/text.h"

namespace velmora {

// The controls the click control reads or changes.
enum class Control {
  CountLimitOn,     // check box: the run stops after CountBox clicks
  TimeLimitOn,      // check box: only excludes CountLimitOn; read by nothing else
  LeftClickMode,    // radio: left click at the cursor
  RightClickMode,   // radio: right click at the cursor
  LocateMode,       // radio: left click at the captured point
  DoubleClickMode,  // radio: double left click at the cursor
  IntervalBox,      // milliseconds between clicks
  CountBox,         // the count limit
  PositionBox,      // the captured point ("定位" until the first capture)
  MinutesBox,       // the time limit in minutes
};

enum class Timer {
  Click,      // one click per period while a run is in progress
  TimeLimit,  // ends the run when it fires
};

// The window as the click control sees it. The click control keeps no copy of
// its settings: every value is read through here when it is needed.
class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // True when the check box is ticked or the radio button chosen.
  virtual bool IsTicked(Control control) = 0;
  // Changes the tick without raising the control's clicked event.
  virtual void SetTicked(Control control, bool ticked) = 0;
  virtual Text GetText(Control control) = 0;
  // Replaces the whole text, regardless of length limit or read-only state.
  virtual void SetText(Control control, const Text& text) = 0;
  // The period last stored; 0 while the timer is stopped.
  virtual std::int32_t GetTimerPeriod(Timer timer) = 0;
  // Negative is stored as 0. The stored period again changes nothing, so a
  // running timer keeps its phase. Any other value stops the timer and, when
  // positive, restarts it counting from this call.
  virtual void SetTimerPeriod(Timer timer, std::int32_t milliseconds) = 0;
  // Locks (false) or unlocks (true) the settings group.
  virtual void SetSettingsEnabled(bool enabled) = 0;
  virtual void SetCaption(const Text& caption) = 0;
  virtual void SetStatusText(const Text& text) = 0;
  // Modal box; returns the button value (OK 0, Cancel 1, Abort 2, Retry 3,
  // Ignore 4, Yes 5, No 6, and 0 when no box could be shown).
  virtual int ShowMessage(const Text& text, int flags, const Text& title) = 0;
  virtual void SetFocusTo(Control control) = 0;
};

}  // namespace velmora
