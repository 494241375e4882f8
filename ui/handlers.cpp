#include "ui/handlers.h"

namespace velmora::ui {
namespace {
bool handlersStopped = false;
}

bool HandlersStopped() { return handlersStopped; }
void StopHandlers() { handlersStopped = true; }

void RaiseClicked(ClickControl& clickControl, ControlId id) {
  RunHandler([&] {
    switch (id) {
      case ControlId::CountLimitOn:
        clickControl.OnCountLimitClicked();
        break;
      case ControlId::TimeLimitOn:
        clickControl.OnTimeLimitClicked();
        break;
      case ControlId::LocateMode:
        clickControl.OnLocateModeClicked();
        break;
      default:
        break;
    }
  });
}

void RaiseKeyDown(ClickControl& clickControl, ControlId id, std::int32_t keyCode,
                  std::int32_t modifierMask) {
  if (id != ControlId::PositionBox) return;
  RunHandler([&] { clickControl.CapturePosition(keyCode, modifierMask); });
}

}  // namespace velmora::ui
