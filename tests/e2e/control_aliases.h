#pragma once

#include "ui/window_description.h"

namespace velmora::e2e {

// The short names by which both end-to-end suites speak of the controls.
struct ControlAlias {
  const char* name;
  ui::ControlId id;
};

inline constexpr ControlAlias kControlAliases[] = {
    {"mode1", ui::ControlId::LeftClickMode},  {"mode2", ui::ControlId::RightClickMode},
    {"mode3", ui::ControlId::LocateMode},     {"mode4", ui::ControlId::DoubleClickMode},
    {"countlimit", ui::ControlId::CountLimitOn}, {"timelimit", ui::ControlId::TimeLimitOn},
    {"interval", ui::ControlId::IntervalBox}, {"count", ui::ControlId::CountBox},
    {"position", ui::ControlId::PositionBox}, {"minutes", ui::ControlId::MinutesBox},
    {"usage", ui::ControlId::UsageBox},
};

}  // namespace velmora::e2e
