#pragma once

#include "core/text.h"

namespace velmora::win32 {

// MessageBox's type word for a flag word: task-modal unless system-modal.
unsigned MessageBoxType(int flags);
// The button value for MessageBox's result: OK 0, Cancel 1, Abort 2, Retry 3,
// Ignore 4, Yes 5, No 6; anything else, 0 (no box) included, gives 0.
int ButtonValue(int messageBoxResult);

// A modal box without an owner window; returns the button value.
int ShowMessage(const Text& text, int flags, const Text& title);

}  // namespace velmora::win32
