#include "ui/exit_routines.h"

#include <algorithm>
#include <vector>

namespace velmora::ui {
namespace {
std::vector<ExitRoutine>& Routines() {
  static std::vector<ExitRoutine> routines;
  return routines;
}
}  // namespace

void AddExitRoutine(ExitRoutine routine) {
  auto& routines = Routines();
  if (std::find(routines.begin(), routines.end(), routine) == routines.end()) {
    routines.push_back(routine);
  }
}

void RunExitRoutines() {
  std::vector<ExitRoutine> routines;
  routines.swap(Routines());
  for (ExitRoutine routine : routines) routine();
}

}  // namespace velmora::ui
