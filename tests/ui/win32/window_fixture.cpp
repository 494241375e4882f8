#include "tests/ui/win32/window_fixture.h"

namespace velmora::win32::testing {

bool PumpUntil(MainWindow* window, const std::function<bool()>& done, int timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (window && PreTranslateKeyboard(*window, message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (done && done()) return true;
    if (GetTickCount64() >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(MainWindow* window, int milliseconds) { PumpUntil(window, nullptr, milliseconds); }

namespace {
void SendKey(WORD virtualKey, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}
}  // namespace

void HoldKey(WORD virtualKey) { SendKey(virtualKey, 0); }
void ReleaseKey(WORD virtualKey) { SendKey(virtualKey, KEYEVENTF_KEYUP); }
void PressKey(WORD virtualKey, bool extended) {
  const DWORD extendedFlag = extended ? KEYEVENTF_EXTENDEDKEY : 0;
  SendKey(virtualKey, extendedFlag);
  SendKey(virtualKey, extendedFlag | KEYEVENTF_KEYUP);
}

ClickTarget::ClickTarget(int left, int top, int width, int height) {
  RegisterClassOnce(GetModuleHandleW(nullptr),
                    {.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)});
  CreateAs(WS_EX_TOPMOST, L"target", WS_POPUP | WS_VISIBLE, left, top, width, height, nullptr,
           GetModuleHandleW(nullptr));
}

ClickTarget::~ClickTarget() {
  if (window_) DestroyWindow(window_);
}

POINT ClickTarget::Centre() const {
  RECT rect;
  GetWindowRect(window_, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

LRESULT ClickTarget::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) {
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(window_, &point);
    presses.push_back({message, point});
    return 0;
  }
  return Default(message, wParam, lParam);
}

MainWindowTest::MainWindowTest() {
  MainWindow::RegisterClasses(GetModuleHandleW(nullptr));
  window =
      std::make_unique<MainWindow>(GetModuleHandleW(nullptr), "http://127.0.0.1:9/", resolution);
  port = std::make_unique<Win32WindowPort>(*window);
  state.programName = "Velmora";
  state.hotkeyId = 33001;
  control = std::make_unique<ClickControl>(*port, mouse, state);
  window->Bind(*control);
  ShowWindow(window->Handle(), SW_SHOW);
  SetForegroundWindow(window->Handle());
  PumpUntil(
      window.get(), [this] { return GetForegroundWindow() == window->Handle(); }, 5000);
  PumpFor(window.get(), 50);
}

MainWindowTest::~MainWindowTest() {
  control.reset();
  port.reset();
  window.reset();
  PumpFor(nullptr, 20);
}

void MainWindowTest::Focus(ControlId id) {
  SetFocus(Control(id));
  PumpFor(window.get(), 20);
}

void MainWindowTest::SwitchAwayAndBack() {
  ClickTarget other(500, 500, 50, 50);
  SetForegroundWindow(other.Handle());
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return GetForegroundWindow() == other.Handle(); }));
  SetForegroundWindow(window->Handle());
  ASSERT_TRUE(PumpUntil(window.get(), [&] { return GetForegroundWindow() == window->Handle(); }));
  PumpFor(window.get(), 50);
}

std::vector<ControlId> MainWindowTest::FocusAfterKeys(WORD key, int presses, bool withShift) {
  std::vector<ControlId> visited;
  for (int i = 0; i < presses; ++i) {
    if (withShift) HoldKey(VK_SHIFT);
    HWND before = GetFocus();
    PressKey(key);
    if (withShift) ReleaseKey(VK_SHIFT);
    PumpUntil(
        window.get(), [&] { return GetFocus() != before; }, 3000);
    PumpFor(window.get(), 10);
    const auto id = window->IdOfHandle(GetFocus());
    visited.push_back(id ? *id : ControlId::ClickTimer);  // the click timer never takes the focus
  }
  return visited;
}

}  // namespace velmora::win32::testing
