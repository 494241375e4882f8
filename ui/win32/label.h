#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace velmora::win32 {

// The private message that carries a hotkey press to a label: wParam is the
// hotkey's identifier, lParam 0.
inline constexpr UINT kFeedbackMessage = WM_APP + 0x75;

using FeedbackHandler = std::function<void(std::int32_t, std::int32_t)>;

// A self-painted text label: button-face background, black text drawn on one
// line, vertically centred. It takes no focus and raises its feedback event
// when it receives kFeedbackMessage.
void RegisterLabelClass(HINSTANCE instance);
HWND CreateLabel(HWND parent, int left, int top, int width, int height, HINSTANCE instance);
void SetFeedbackHandler(HWND label, FeedbackHandler handler);

}  // namespace velmora::win32
