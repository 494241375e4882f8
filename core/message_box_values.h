#pragma once

// The flag words and button values of WindowPort::ShowMessage. The flags are
// Windows' MessageBox type bits, named once here and used by name everywhere.
namespace velmora::message_box {

// Flag words: the buttons in the low four bits, the icon in the next four.
inline constexpr int kOkOnly = 0x0;
inline constexpr int kYesNo = 0x4;
inline constexpr int kButtonsMask = 0xF;
inline constexpr int kIconHand = 0x10;
inline constexpr int kIconQuestion = 0x20;
inline constexpr int kIconExclamation = 0x30;
inline constexpr int kIconAsterisk = 0x40;
inline constexpr int kIconMask = 0xF0;

// Button values: the button the user closed the box with. A box that could
// not be shown gives kOk.
inline constexpr int kOk = 0;
inline constexpr int kCancel = 1;
inline constexpr int kAbort = 2;
inline constexpr int kRetry = 3;
inline constexpr int kIgnore = 4;
inline constexpr int kYes = 5;
inline constexpr int kNo = 6;

}  // namespace velmora::message_box
