#pragma once

#include <windows.h>

#include <string>

#include "core/text.h"
#include "ui/win32/base_window.h"

namespace velmora::win32 {

inline constexpr COLORREF kLinkHoverColour = RGB(10, 36, 106);
inline constexpr COLORREF kLinkVisitedColour = RGB(128, 0, 0);
inline constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// A link: its caption changes colour under the pointer and a press of the
// left button opens its address in the browser. It lives as long as its
// window.
class Hyperlink : public BaseWindow<Hyperlink> {
 public:
  static constexpr wchar_t kClassName[] = L"VelmoraHyperlink";
  static void Register(HINSTANCE instance);
  static HWND Create(HWND parent, int left, int top, int width, int height, const Text& address,
                     HINSTANCE instance);
  // The colour the link is drawn in now.
  COLORREF Colour() const;

 private:
  friend class BaseWindow<Hyperlink>;
  explicit Hyperlink(Text address) : address_(std::move(address)) {}
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnWindowGone() { delete this; }
  void OnMouseMove(LPARAM lParam);

  Text address_;
  HFONT font_ = nullptr;
  bool hovered_ = false;  // the pointer is over the link
  bool visited_ = false;  // the last opening succeeded
};

// The colour a link window is drawn in now.
COLORREF LinkColour(HWND hyperlink);

// The browser's command line for an address, from the registered command
// that opens web pages: cut at "%1" in quotes, else at %1, then a blank and
// the address.
std::string BrowserCommandLine(const std::string& openCommand, const std::string& address);

}  // namespace velmora::win32
