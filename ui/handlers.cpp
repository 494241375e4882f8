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
      case ControlId::选择框1:
        clickControl.OnCountLimitClicked();
        break;
      case ControlId::选择框2:
        clickControl.OnTimeLimitClicked();
        break;
      case ControlId::鼠标3:
        clickControl.OnLocateModeClicked();
        break;
      default:
        break;
    }
  });
}

void RaiseKeyDown(ClickControl& clickControl, ControlId id, std::int32_t keyCode,
                  std::int32_t modifierMask) {
  if (id != ControlId::编辑框4) return;
  RunHandler([&] { clickControl.CapturePosition(keyCode, modifierMask); });
}

}  // namespace velmora::ui
