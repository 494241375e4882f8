#include "ui/win32/label.h"

#include <string>

#include "ui/win32/guarded.h"

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

void Paint(HWND window, const LabelState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  HGDIOBJ oldFont = state.font ? SelectObject(dc, state.font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextW(dc, text.c_str(), length, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
  if (oldFont) SelectObject(dc, oldFont);
  EndPaint(window, &paint);
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
        Paint(window, *state);
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case kFeedbackMessage:
      if (state && state->onFeedback) {
        RunHandler([&] {
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
