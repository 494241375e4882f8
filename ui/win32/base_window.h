#pragma once

#include <windows.h>

namespace velmora::win32 {

// One window class per concern. Derived names its class (kClassName) and
// handles its messages in a member HandleMessage(message, wParam, lParam);
// the class is registered once, the object is found from its window from
// WM_NCCREATE on, and OnWindowGone runs after WM_NCDESTROY, when the window
// no longer exists (an object that owns itself deletes itself there).
template <typename Derived>
class BaseWindow {
 public:
  HWND Handle() const { return window_; }

  // The object of a window of this class, or null.
  static Derived* FromHandle(HWND window) {
    return window ? reinterpret_cast<Derived*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
  }

 protected:
  BaseWindow() = default;
  ~BaseWindow() = default;
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  struct ClassLook {
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
  };

  static void RegisterClassOnce(HINSTANCE instance, ClassLook look = {}) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &BaseWindow::Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = look.cursor;
    windowClass.hbrBackground = look.background;
    windowClass.lpszClassName = Derived::kClassName;
    registered = RegisterClassExW(&windowClass) != 0;
  }

  HWND CreateAs(DWORD exStyle, const wchar_t* text, DWORD style, int left, int top, int width,
                int height, HWND parent, HINSTANCE instance) {
    return CreateWindowExW(exStyle, Derived::kClassName, text, style, left, top, width, height,
                           parent, nullptr, instance, static_cast<Derived*>(this));
  }

  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
  }

  void OnWindowGone() {}

  HWND window_ = nullptr;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      self->window_ = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    Derived* self = FromHandle(window);
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      self->window_ = nullptr;
      self->OnWindowGone();
      return result;
    }
    return self->HandleMessage(message, wParam, lParam);
  }
};

}  // namespace velmora::win32
