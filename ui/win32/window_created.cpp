#include "ui/win32/window_created.h"

#include "ui/win32/hotkey.h"
#include "ui/win32/update_shell.h"
#include "update/update_check.h"

namespace velmora::win32 {

void OnWindowCreated(Program& program) {
  program.port.SetCaption(kCaption);
  program.state.programName = kProgramName;
  // Stored as it comes: 0 when another program holds Alt+D.
  program.state.hotkeyId = RegisterGlobalHotkey(
      program.window.Handle(), program.window.ControlHandle(ControlId::标签1), kAltModifier, kKeyD);
  const auto fetch = MakePlatformWebFetch();
  Win32UpdateShell shell;
  CheckForUpdate(kProductCode, kCurrentVersion, 1, program.addresses.errorPage,
                 program.addresses.updateHost, *fetch, shell);
}

}  // namespace velmora::win32
