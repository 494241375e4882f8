#pragma once

#include <string>

namespace velmora {

// Every text of the program is a GBK (code page 936) byte string without NUL
// bytes; the empty string stands for an absent text as well.
using Text = std::string;

}  // namespace velmora
