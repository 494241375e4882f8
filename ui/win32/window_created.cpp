#include "ui/win32/window_created.h"

#include "ui/win32/hotkey.h"
#include "ui/window_created.h"

namespace velmora::win32 {

void OnWindowCreated(Program& program) {
  // The hotkey's feedback goes to the milliseconds label, whose event is Alt+D's.
  HWND feedbackTarget = program.window.ControlHandle(ControlId::MillisecondsLabel);
  ui::OnWindowCreated(program.port, program.state,
                      [&program, feedbackTarget](int modifiers, int keyCode) {
                        return RegisterGlobalHotkey(program.window.Handle(), feedbackTarget,
                                                    modifiers, keyCode);
                      },
                      program.addresses);
}

}  // namespace velmora::win32
