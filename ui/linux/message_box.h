#pragma once

#include "core/text.h"

namespace velmora::linux_ui {

// A modal box for a flag word of the Windows program (its buttons and icon),
// returning the same button values; closed without a choice, OK.
int ShowMessage(const Text& text, int flags, const Text& title);

}  // namespace velmora::linux_ui
