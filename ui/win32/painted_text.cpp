#include "ui/win32/painted_text.h"

namespace velmora::win32 {

void PaintText(HWND window, HFONT font, COLORREF colour, UINT format,
               const std::wstring& fallback) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  if (text.empty()) text = fallback;
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
  if (oldFont) SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

}  // namespace velmora::win32
