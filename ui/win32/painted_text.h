#pragma once

#include <windows.h>

#include <string>

namespace velmora::win32 {

// The whole of a self-painted control: the button face, then the window's
// text (or fallback, when the text is empty) in the font and colour given,
// with a transparent background and the DrawText flags given.
void PaintText(HWND window, HFONT font, COLORREF colour, UINT format,
               const std::wstring& fallback = {});

}  // namespace velmora::win32
