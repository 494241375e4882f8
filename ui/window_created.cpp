#include "ui/window_created.h"

#include "core/key_codes.h"

namespace velmora::ui {

void OnWindowCreated(WindowPort& window, ProgramState& state, const RegisterHotkey& registerHotkey,
                     const ProgramAddresses& addresses, WebFetch& fetch, UpdateShell& shell) {
  window.SetCaption(kCaption);
  state.programName = kProgramName;
  // Stored as it comes: 0 when another program holds Alt+D.
  state.hotkeyId = registerHotkey(keys::kAltBit, keys::kLetterD);
  CheckForUpdate(kProductCode, kCurrentVersion, kForcedUpdate, addresses.errorPage,
                 addresses.updateHost, fetch, shell);
}

}  // namespace velmora::ui
