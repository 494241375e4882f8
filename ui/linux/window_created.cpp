#include "ui/linux/window_created.h"

#include "ui/linux/update_shell.h"
#include "ui/window_created.h"

namespace velmora::linux_ui {

void OnWindowCreated(Program& program) {
  const auto fetch = MakePlatformWebFetch();
  QtUpdateShell shell;
  ui::OnWindowCreated(
      program.port, program.state,
      [&program](int modifiers, int keyCode) {
        return program.hotkeys.Register(
            modifiers, keyCode,
            [&clickControl = program.clickControl](std::int32_t id, std::int32_t second) {
              clickControl.OnHotkey(id, second);
            });
      },
      program.addresses, *fetch, shell);
}

}  // namespace velmora::linux_ui
