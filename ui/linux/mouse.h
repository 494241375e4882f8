#pragma once

#include "core/mouse.h"
#include "ui/linux/x11.h"

namespace velmora::linux_ui {

// Clicks through XTest, as if the user had clicked: the pointer moves to the
// point and stays there, then the button presses and releases follow.
class XTestMouse final : public MousePort {
 public:
  explicit XTestMouse(X11Connection& x11) : x11_(x11) {}
  void SimulateMouseClick(std::int32_t x, std::int32_t y, ClickKind kind) override;
  // Where the server cannot tell, the last position it did tell.
  ScreenPoint GetCursorPosition() override;
  // XTest's button events land where the pointer is: no round trip to ask
  // where that is, and no motion to the same place.
  void ClickAtCursor(ClickKind kind) override;

 private:
  void SendButtons(ClickKind kind);

  X11Connection& x11_;
  ScreenPoint lastKnown_;
};

}  // namespace velmora::linux_ui
