#include "ui/win32/mouse.h"

#include <windows.h>

namespace velmora::win32 {
namespace {

DWORD FlagOf(ButtonEvent event) {
  switch (event) {
    case ButtonEvent::LeftDown:
      return MOUSEEVENTF_LEFTDOWN;
    case ButtonEvent::LeftUp:
      return MOUSEEVENTF_LEFTUP;
    case ButtonEvent::RightDown:
      return MOUSEEVENTF_RIGHTDOWN;
    case ButtonEvent::RightUp:
      return MOUSEEVENTF_RIGHTUP;
  }
  return MOUSEEVENTF_LEFTUP;
}

}  // namespace

void Win32Mouse::SimulateMouseClick(std::int32_t x, std::int32_t y, ClickKind kind) {
  SetCursorPos(x, y);
  // Without a move flag the events land where the cursor now is; dx and dy
  // are carried along unused.
  for (ButtonEvent event : ButtonEventsOf(kind)) {
    mouse_event(FlagOf(event), static_cast<DWORD>(x), static_cast<DWORD>(y), 0, 0);
  }
}

ScreenPoint Win32Mouse::GetCursorPosition() {
  POINT point;
  if (GetCursorPos(&point)) lastKnown_ = {point.x, point.y};
  return lastKnown_;
}

}  // namespace velmora::win32
