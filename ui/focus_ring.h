#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "ui/window_description.h"

namespace velmora::ui {

// Whether a control can take the keyboard focus now: the shell's answer
// (visible, and neither it nor a window above it disabled).
using IsUsable = std::function<bool(ControlId)>;

// The controls Tab visits, in order: the usable tab stops, by descending
// position in the window description.
std::vector<ControlId> TabRing(const IsUsable& usable);

// The radio buttons that the arrow keys step through from `from`: those of
// the Tab ring with the same parent, in Tab order. Empty when `from` is not
// one of them.
std::vector<ControlId> RadioRing(ControlId from, const IsUsable& usable);

// One step round a ring, wrapping at both ends. From a control outside the
// ring (or none), a step forward lands on the first and a step back on the
// last. Nothing on an empty ring.
std::optional<ControlId> StepRound(const std::vector<ControlId>& ring,
                                   std::optional<ControlId> from, int step);

}  // namespace velmora::ui
