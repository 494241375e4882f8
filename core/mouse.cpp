#include "core/mouse.h"

namespace velmora {

std::vector<ButtonEvent> ButtonEventsOf(ClickKind kind) {
  using enum ButtonEvent;
  switch (kind) {
    case LeftDoubleClick:
      return {LeftDown, LeftUp, LeftDown, LeftUp};
    case RightClick:
      return {RightDown, RightUp};
    case RightDoubleClick:
      return {RightDown, RightUp, RightDown, RightUp};
    default:
      return {LeftDown, LeftUp};
  }
}

}  // namespace velmora
