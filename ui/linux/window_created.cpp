#include "ui/linux/window_created.h"

#include "ui/window_created.h"

namespace velmora::linux_ui {

void OnWindowCreated(Program& program) {
  auto toggleRun = [&clickControl = program.clickControl](std::int32_t id, std::int32_t second) {
    clickControl.OnHotkey(id, second);
  };
  ui::OnWindowCreated(
      program.port, program.state,
      [&program, toggleRun](int modifiers, int keyCode) {
        return program.hotkeys.Register(modifiers, keyCode, toggleRun);
      },
      program.addresses);
}

}  // namespace velmora::linux_ui
