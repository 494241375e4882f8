#pragma once

#include <cstdint>

// The key codes and modifier bits that the window's key events carry to the
// click control and the hotkey registration: the Windows virtual-key codes,
// on every platform.
namespace velmora::keys {

inline constexpr std::int32_t kTab = 9;
inline constexpr std::int32_t kEnter = 13;
inline constexpr std::int32_t kShift = 16;
inline constexpr std::int32_t kControl = 17;
inline constexpr std::int32_t kAlt = 18;
inline constexpr std::int32_t kEscape = 27;
inline constexpr std::int32_t kSpace = 32;
inline constexpr std::int32_t kLeft = 37;
inline constexpr std::int32_t kUp = 38;
inline constexpr std::int32_t kRight = 39;
inline constexpr std::int32_t kDown = 40;
inline constexpr std::int32_t kDigit0 = '0';  // '0' … '9': 48 … 57
inline constexpr std::int32_t kLetterA = 'A';  // 'A' … 'Z': 65 … 90
inline constexpr std::int32_t kLetterD = 'D';
// The keypad's operators are reported as the main block's keys.
inline constexpr std::int32_t kMinus = 189;
inline constexpr std::int32_t kPeriod = 190;
inline constexpr std::int32_t kSlash = 191;

// Modifier bits, added together in a modifier mask and a hotkey's modifier word.
inline constexpr std::int32_t kCtrlBit = 1;
inline constexpr std::int32_t kShiftBit = 2;
inline constexpr std::int32_t kAltBit = 4;

}  // namespace velmora::keys
