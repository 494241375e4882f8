#pragma once

#include <string>

#include "core/text.h"

namespace velmora::win32 {

// Texts stay GBK inside the program and cross into Windows as UTF-16, so the
// window reads the same whatever the system's ANSI code page is.
std::wstring GbkToWide(const Text& text);
Text WideToGbk(const std::wstring& text);

}  // namespace velmora::win32
