#pragma once

#include "core/mouse.h"

namespace velmora::win32 {

// Synthetic clicks with SetCursorPos and mouse_event; the cursor read with
// GetCursorPos.
class Win32Mouse final : public MousePort {
 public:
  void SimulateMouseClick(std::int32_t x, std::int32_t y, ClickKind kind) override;
  // Where the system cannot tell (another desktop is active, say), the last
  // position it did tell; (0, 0) before the first.
  ScreenPoint GetCursorPosition() override;

 private:
  ScreenPoint lastKnown_;
};

}  // namespace velmora::win32
