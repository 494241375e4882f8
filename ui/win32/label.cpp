#include "ui/win32/label.h"

#include <string>

#include "ui/handlers.h"
#include "ui/win32/painted_text.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VelmoraLabel";

struct LabelState {
  HFONT font = nullptr;
  FeedbackHandler onFeedback;
};

LabelState* StateOf(HWND window) {
  return reinterpret_cast<LabelState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LabelState* state = StateOf(window);
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new LabelState));
      break;
    case WM_NCDESTROY:
      delete state;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    case WM_SETFONT:
      if (state) state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_PAINT:
      if (state) {
        PaintText(window, state->font, RGB(0, 0, 0),
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case kFeedbackMessage:
      if (state && state->onFeedback) {
        ui::RunHandler([&] {
          state->onFeedback(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
        });
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterLabelClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
}

HWND CreateLabel(HWND parent, int left, int top, int width, int height, HINSTANCE instance) {
  return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, left, top, width, height,
                         parent, nullptr, instance, nullptr);
}

void SetFeedbackHandler(HWND label, FeedbackHandler handler) {
  if (LabelState* state = StateOf(label)) state->onFeedback = std::move(handler);
}

}  // namespace velmora::win32
