#include "ui/win32/label.h"

#include <memory>

#include "ui/handlers.h"
#include "ui/win32/painted_text.h"

namespace velmora::win32 {

void Label::Register(HINSTANCE instance) {
  RegisterClassOnce(instance, {.cursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW))});
}

HWND Label::Create(HWND parent, int left, int top, int width, int height, HINSTANCE instance) {
  auto label = std::unique_ptr<Label>(new Label);
  if (!label->CreateAs(0, L"", WS_CHILD | WS_CLIPSIBLINGS, left, top, width, height, parent,
                       instance)) {
    return nullptr;
  }
  return label.release()->Handle();  // from now on the window owns it
}

void Label::SetFeedbackHandler(HWND label, FeedbackHandler handler) {
  if (Label* self = FromHandle(label)) self->onFeedback_ = std::move(handler);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(window_, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
      const LRESULT result = Default(message, wParam, lParam);
      InvalidateRect(window_, nullptr, TRUE);
      return result;
    }
    case WM_PAINT:
      PaintText(window_, font_, RGB(0, 0, 0), DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case kFeedbackMessage:
      if (onFeedback_) {
        ui::RunHandler([&] {
          onFeedback_(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
        });
      }
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace velmora::win32
