#pragma once

#include <functional>

#include "core/program_state.h"
#include "core/window_port.h"
#include "ui/program_lifecycle.h"
#include "update/update_check.h"
#include "velmora/version.h"

namespace velmora::ui {

inline constexpr char kCaption[] = "Velmora V" VELMORA_VERSION_MAJOR_MINOR;
inline constexpr char kProgramName[] = "Velmora";
inline constexpr char kProductCode[] = "10022";
inline constexpr char kCurrentVersion[] = "1.0.0.1";

// Runs once the window exists, before it is first shown: the caption, the
// program name, Alt+D (registerHotkey gets the modifier bits and key code and
// returns the identifier, 0 when refused), then the update check, which may
// end the program.
using RegisterHotkey = std::function<int(int modifiers, int keyCode)>;
void OnWindowCreated(WindowPort& window, ProgramState& state, const RegisterHotkey& registerHotkey,
                     const ProgramAddresses& addresses, WebFetch& fetch, UpdateShell& shell);
// The same in the running program: the platform's fetch and boxes.
void OnWindowCreated(WindowPort& window, ProgramState& state, const RegisterHotkey& registerHotkey,
                     const ProgramAddresses& addresses);

}  // namespace velmora::ui
