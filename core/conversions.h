#pragma once

#include <cstdint>

#include "core/text.h"

namespace velmora {

// Reads the leading decimal number of a control's text, after folding
// full-width ASCII forms to ASCII. "d"/"D" also mark an exponent. Anything
// that is not a number reads as 0; the value is correctly rounded and does not
// depend on the C locale.
double TextToNumber(const Text& text);

// Truncates toward zero to 64 bits and keeps the low 32 bits. Values outside
// the 64-bit range, infinities and NaN give 0.
std::int32_t NumberToPeriod(double value);

// Plain decimal, "-" for negatives, no grouping.
Text IntegerToText(std::int32_t value);

}  // namespace velmora
