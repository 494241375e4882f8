#include "ui/win32/window_created.h"

#include "ui/win32/hotkey.h"
#include "ui/win32/update_shell.h"
#include "ui/window_created.h"

namespace velmora::win32 {

void OnWindowCreated(Program& program) {
  const auto fetch = MakePlatformWebFetch();
  Win32UpdateShell shell;
  ui::OnWindowCreated(
      program.port, program.state,
      [&program](int modifiers, int keyCode) {
        return RegisterGlobalHotkey(program.window.Handle(),
                                    program.window.ControlHandle(ControlId::MillisecondsLabel), modifiers,
                                    keyCode);
      },
      program.addresses, *fetch, shell);
}

}  // namespace velmora::win32
