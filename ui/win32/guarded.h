#pragma once

#include <windows.h>

namespace velmora::win32 {

// Runs a handler from a window procedure: no exception may cross back into
// Windows, and once the program has begun to end no handler runs at all.
bool HandlersStopped();
void StopHandlers();

template <typename Handler>
void RunHandler(Handler&& handler) noexcept {
  if (HandlersStopped()) return;
  try {
    handler();
  } catch (...) {
    // A failed handler leaves the window as it was; there is no one to tell.
  }
}

}  // namespace velmora::win32
