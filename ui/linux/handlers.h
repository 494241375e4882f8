#pragma once

namespace velmora::linux_ui {

// Once the program has begun to end, no handler runs; and no exception leaves
// a handler for Qt's event loop.
bool HandlersStopped();
void StopHandlers();

template <typename Handler>
void RunHandler(Handler&& handler) noexcept {
  if (HandlersStopped()) return;
  try {
    handler();
  } catch (...) {
  }
}

}  // namespace velmora::linux_ui
