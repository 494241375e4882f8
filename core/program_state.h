#pragma once

#include <cstdint>

#include "core/text.h"

namespace velmora {

// The only state the program keeps outside its controls. The shell owns one
// instance and hands it to whoever needs it; everything starts at zero.
struct ProgramState {
  std::int32_t clickCounter = 0;
  std::int32_t capturedX = 0;
  std::int32_t capturedY = 0;
  std::int32_t hotkeyId = 0;
  Text programName;
};

}  // namespace velmora
