#pragma once

#include <cstdint>

#include "core/mouse.h"
#include "core/program_state.h"
#include "core/window_port.h"

namespace velmora {

// The click run: starting and stopping it, the click tick with its count
// limit, the time limit and the option handlers. It reaches the window only
// through WindowPort and the mouse only through MousePort; a run is in
// progress exactly while the click timer's period is nonzero.
class ClickControl {
 public:
  ClickControl(WindowPort& window, MousePort& mouse, ProgramState& state)
      : window_(window), mouse_(mouse), state_(state) {}

  void StartClicking();
  void StopClicking();

  // Feedback of the global hotkey: toggles the run when the identifier is ours.
  void OnHotkey(std::int32_t identifier, std::int32_t ignored);
  // Periodic event of the click timer.
  void OnClickTick();
  // Periodic event of the time-limit timer.
  void OnTimedStop();
  // Clicked events of CountLimitOn, TimeLimitOn and LocateMode.
  void OnCountLimitClicked();
  void OnTimeLimitClicked();
  void OnLocateModeClicked();
  // Key-down in the position box: the space bar stores the cursor position.
  void CapturePosition(std::int32_t keyCode, std::int32_t ignoredModifiers);

 private:
  void ClickAtCursor(ClickKind kind, const Text& statusLabel);
  void ShowStatus(const Text& statusLabel);
  bool CountLimitReached();

  WindowPort& window_;
  MousePort& mouse_;
  ProgramState& state_;
};

}  // namespace velmora
