#pragma once

#include "ui/win32/startup.h"

namespace velmora::win32 {

inline constexpr char kCaption[] = "Velmora V1.8";
inline constexpr char kProgramName[] = "Velmora";
inline constexpr char kProductCode[] = "10022";
inline constexpr char kCurrentVersion[] = "1.0.0.1";
inline constexpr int kAltModifier = 4;
inline constexpr int kKeyD = 68;

// Runs once the window exists, before it is first shown: the caption, the
// program name, Alt+D, and the update check, which may end the program.
void OnWindowCreated(Program& program);

}  // namespace velmora::win32
