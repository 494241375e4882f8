#pragma once

#include <cstdint>

#include "core/click_control.h"
#include "ui/window_description.h"

namespace velmora::ui {

// Once the program has begun to end, no handler runs any more.
bool HandlersStopped();
void StopHandlers();

// Runs a handler for an event of the window system: no exception may cross
// back into it, and after the end has begun nothing runs.
template <typename Handler>
void RunHandler(Handler&& handler) noexcept {
  if (HandlersStopped()) return;
  try {
    handler();
  } catch (...) {
    // A failed handler leaves the window as it was; there is no one to tell.
  }
}

// The clicked event of a control: only CountLimitOn, TimeLimitOn and LocateMode have handlers.
void RaiseClicked(ClickControl& clickControl, ControlId id);
// The key-down event of a control: only the position box has a handler.
void RaiseKeyDown(ClickControl& clickControl, ControlId id, std::int32_t keyCode,
                  std::int32_t modifierMask);

}  // namespace velmora::ui
