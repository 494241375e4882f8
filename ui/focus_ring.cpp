#include "ui/focus_ring.h"

#include <algorithm>

namespace velmora::ui {

std::vector<ControlId> TabRing(const IsUsable& usable) {
  std::vector<ControlId> ring;
  const auto& controls = Controls();
  for (auto control = controls.rbegin(); control != controls.rend(); ++control) {
    if (control->tabStop && usable(control->id)) ring.push_back(control->id);
  }
  return ring;
}

std::vector<ControlId> RadioRing(ControlId from, const IsUsable& usable) {
  const ControlDescription& origin = Describe(from);
  if (origin.kind != ControlKind::RadioButton) return {};
  std::vector<ControlId> radios;
  for (ControlId id : TabRing(usable)) {
    const ControlDescription& control = Describe(id);
    if (control.kind == ControlKind::RadioButton && control.insideGroup == origin.insideGroup) {
      radios.push_back(id);
    }
  }
  if (std::find(radios.begin(), radios.end(), from) == radios.end()) return {};
  return radios;
}

std::optional<ControlId> StepRound(const std::vector<ControlId>& ring,
                                   std::optional<ControlId> from, int step) {
  if (ring.empty()) return std::nullopt;
  const auto size = static_cast<std::ptrdiff_t>(ring.size());
  const auto found = from ? std::find(ring.begin(), ring.end(), *from) : ring.end();
  const std::ptrdiff_t current = found == ring.end() ? (step > 0 ? -1 : 0) : found - ring.begin();
  return ring[static_cast<std::size_t>(((current + step) % size + size) % size)];
}

}  // namespace velmora::ui
