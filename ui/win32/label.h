#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "ui/win32/base_window.h"

namespace velmora::win32 {

// The private message that carries a hotkey press to a label: wParam is the
// hotkey's identifier, lParam 0.
inline constexpr UINT kFeedbackMessage = WM_APP + 0x75;

using FeedbackHandler = std::function<void(std::int32_t, std::int32_t)>;

// A self-painted text label: button-face background, black text drawn on one
// line, vertically centred. It takes no focus and raises its feedback event
// when it receives kFeedbackMessage. It lives as long as its window.
class Label : public BaseWindow<Label> {
 public:
  static constexpr wchar_t kClassName[] = L"VelmoraLabel";
  static void Register(HINSTANCE instance);
  static HWND Create(HWND parent, int left, int top, int width, int height, HINSTANCE instance);
  static void SetFeedbackHandler(HWND label, FeedbackHandler handler);

 private:
  friend class BaseWindow<Label>;
  Label() = default;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnWindowGone() { delete this; }

  HFONT font_ = nullptr;
  FeedbackHandler onFeedback_;
};

}  // namespace velmora::win32
