#include "ui/linux/mouse.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace velmora::linux_ui {

void XTestMouse::SimulateMouseClick(std::int32_t x, std::int32_t y, ClickKind kind) {
  Display* display = x11_.display();
  // Coordinates go through unchanged, negative ones included.
  XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
  SendButtons(kind);
}

void XTestMouse::ClickAtCursor(ClickKind kind) { SendButtons(kind); }

void XTestMouse::SendButtons(ClickKind kind) {
  Display* display = x11_.display();
  for (ButtonEvent event : ButtonEventsOf(kind)) {
    const bool left = event == ButtonEvent::LeftDown || event == ButtonEvent::LeftUp;
    const bool press = event == ButtonEvent::LeftDown || event == ButtonEvent::RightDown;
    XTestFakeButtonEvent(display, left ? Button1 : Button3, press ? True : False, CurrentTime);
  }
  XFlush(display);  // the tick's one flush
}

ScreenPoint XTestMouse::GetCursorPosition() {
  Display* display = x11_.display();
  Window root = 0, child = 0;
  int rootX = 0, rootY = 0, windowX = 0, windowY = 0;
  unsigned int mask = 0;
  if (XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &windowX,
                    &windowY, &mask)) {
    lastKnown_ = {rootX, rootY};
  }
  return lastKnown_;
}

}  // namespace velmora::linux_ui
