#pragma once

#include <windows.h>

#include <cstdint>

namespace velmora::win32 {

class MainWindow;

// The key code handed to key events: the virtual key, with the keypad digits
// and operators reported as the keys of the main block.
std::int32_t KeyCodeOf(WPARAM virtualKey);
// 1 Ctrl, 2 Shift, 4 Alt, as held now; a modifier key is not its own modifier.
std::int32_t ModifierMaskOf(std::int32_t keyCode);

// The window's own keyboard handling, ahead of dispatch: Tab and Shift+Tab
// move the focus round the ring, Esc closes the window, the arrow keys move
// the mode choice, and key-downs raise the focused control's key event.
// True when the message was consumed and must not be dispatched.
bool PreTranslateKeyboard(MainWindow& window, const MSG& message);

}  // namespace velmora::win32
