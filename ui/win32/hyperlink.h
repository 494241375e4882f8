#pragma once

#include <windows.h>

#include <string>

#include "core/text.h"

namespace velmora::win32 {

// A link: its caption changes colour under the pointer and a press of the
// left button opens its address in the browser.
void RegisterHyperlinkClass(HINSTANCE instance);
HWND CreateHyperlink(HWND parent, int left, int top, int width, int height, const Text& address,
                     HINSTANCE instance);

inline constexpr COLORREF kLinkHoverColour = RGB(10, 36, 106);
inline constexpr COLORREF kLinkVisitedColour = RGB(128, 0, 0);
inline constexpr COLORREF kLinkColour = RGB(0, 0, 255);
// The colour the link is drawn in now.
COLORREF LinkColour(HWND hyperlink);

// The browser's command line for an address, from the registered command
// that opens web pages: cut at "%1" in quotes, else at %1, then a blank and
// the address.
std::string BrowserCommandLine(const std::string& openCommand, const std::string& address);

}  // namespace velmora::win32
