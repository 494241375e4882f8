#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

// Kept as a plain signed integer: any value other than the four named ones
// acts as LeftClick.
using ClickKind = std::int32_t;
inline constexpr ClickKind LeftClick = 0;
inline constexpr ClickKind LeftDoubleClick = 1;
inline constexpr ClickKind RightClick = 2;
inline constexpr ClickKind RightDoubleClick = 3;

enum class ButtonEvent { LeftDown, LeftUp, RightDown, RightUp };

// The button presses and releases of a click, in the order they are sent.
std::vector<ButtonEvent> ButtonEventsOf(ClickKind kind);

struct ScreenPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// The program's only contact with the mouse.
class MousePort {
 public:
  virtual ~MousePort() = default;
  // Moves the cursor to (x, y), leaves it there and sends the button events of
  // the kind back to back at that point.
  virtual void SimulateMouseClick(std::int32_t x, std::int32_t y, ClickKind kind) = 0;
  // The cursor's screen position; negative on monitors left of or above the
  // primary one.
  virtual ScreenPoint GetCursorPosition() = 0;
  // A click where the cursor is: read it, then click there. A platform whose
  // button events land at the pointer anyway may skip the reading.
  virtual void ClickAtCursor(ClickKind kind) {
    const ScreenPoint cursor = GetCursorPosition();
    SimulateMouseClick(cursor.x, cursor.y, kind);
  }
};

}  // namespace velmora
