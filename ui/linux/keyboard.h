#pragma once

#include <Qt>
#include <cstdint>

namespace velmora::linux_ui {

// The key code the key events carry: the Windows virtual-key code of the key.
std::int32_t KeyCodeOf(int qtKey, bool keypad);
// 1 Ctrl, 2 Shift, 4 Alt; a modifier key is not its own modifier.
std::int32_t ModifierMaskOf(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace velmora::linux_ui
