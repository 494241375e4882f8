// Prints where the controls stand, from the window description itself, so
// that the end-to-end suite clicks where the window puts them:
//   <alias> <left> <top> <width> <height> <in group 0|1>
// with places relative to the window's client area.
#include <cstdio>

#include "tests/e2e/control_aliases.h"

int main() {
  using namespace velmora;
  const ui::ControlDescription& group = ui::Describe(ui::ControlId::SettingsGroup);
  for (const auto& alias : e2e::kControlAliases) {
    const ui::ControlDescription& control = ui::Describe(alias.id);
    const int left = control.left + (control.insideGroup ? group.left : 0);
    const int top = control.top + (control.insideGroup ? group.top : 0);
    std::printf("%s %d %d %d %d %d\n", alias.name, left, top, control.width, control.height,
                control.insideGroup ? 1 : 0);
  }
  return 0;
}
