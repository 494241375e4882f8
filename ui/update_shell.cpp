// Built into each shell's library, which defines the rest of PlatformUpdateShell.
#include "ui/update_shell.h"

#include "ui/program_lifecycle.h"
#include "ui/window_created.h"

namespace velmora::ui {

void PlatformUpdateShell::EndProgram(int exitCode) { ui::EndProgram(exitCode); }

void OnWindowCreated(WindowPort& window, ProgramState& state, const RegisterHotkey& registerHotkey,
                     const ProgramAddresses& addresses) {
  const auto fetch = MakePlatformWebFetch();
  PlatformUpdateShell shell;
  OnWindowCreated(window, state, registerHotkey, addresses, *fetch, shell);
}

}  // namespace velmora::ui
