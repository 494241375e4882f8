#pragma once

namespace velmora::ui {

// What runs when the program ends, whichever way it ends.
using ExitRoutine = void (*)();
// Appends a routine, unless it is already listed.
void AddExitRoutine(ExitRoutine routine);
// Runs each listed routine once, in the order of addition, and empties the
// list, so a second pass runs none.
void RunExitRoutines();

}  // namespace velmora::ui
