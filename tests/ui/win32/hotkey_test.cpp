#include "ui/win32/hotkey.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/win32/window_fixture.h"
#include "ui/win32/label.h"

namespace velmora::win32::testing {
namespace {

// What reached the owner window's own procedure and the feedback label, in order.
std::vector<std::string> seen;

// A top-level window whose own procedure notes the WM_HOTKEY it receives.
class HotkeyOwner : public BaseWindow<HotkeyOwner> {
 public:
  static constexpr wchar_t kClassName[] = L"VelmoraTestHotkeyOwner";
  HotkeyOwner() {
    RegisterClassOnce(GetModuleHandleW(nullptr));
    CreateAs(0, L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr,
             GetModuleHandleW(nullptr));
  }
  ~HotkeyOwner() {
    if (window_) DestroyWindow(window_);
  }

 private:
  friend class BaseWindow<HotkeyOwner>;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY)
      seen.push_back("owner " + std::to_string(static_cast<long long>(wParam)));
    return Default(message, wParam, lParam);
  }
};

HWND MakeFeedbackLabel(HWND parent) {
  Label::Register(GetModuleHandleW(nullptr));
  HWND label = Label::Create(parent, 0, 0, 10, 10, GetModuleHandleW(nullptr));
  Label::SetFeedbackHandler(label, [](std::int32_t first, std::int32_t second) {
    seen.push_back("feedback " + std::to_string(first) + "," + std::to_string(second));
  });
  return label;
}

TEST(ModifierFlags, OwnBitsBecomeRegisterHotKeyFlags) {
  const UINT expected[] = {
      0,       MOD_CONTROL,           MOD_SHIFT,           MOD_CONTROL | MOD_SHIFT,
      MOD_ALT, MOD_ALT | MOD_CONTROL, MOD_ALT | MOD_SHIFT, 7,
      8};
  for (int word = 0; word <= 8; ++word) EXPECT_EQ(ModifierFlagsOf(word), expected[word]) << word;
}

// The registry lives for the whole process, so one test walks through the
// registrations in order.
TEST(GlobalHotkey, RegistrationsNumberFrom33001AndFeedbackReachesTheLabelFirst) {
  HotkeyOwner ownerWindow;
  HWND owner = ownerWindow.Handle();
  HWND label = MakeFeedbackLabel(owner);
  SetForegroundWindow(owner);
  PumpFor(nullptr, 100);

  EXPECT_EQ(RegisterGlobalHotkey(owner, label, 4, 'D'), 33001);
  // The owner's own procedure comes after the filter.
  EXPECT_EQ(Registry().previousWindowProc,
            reinterpret_cast<WNDPROC>(GetClassLongPtrW(owner, GCLP_WNDPROC)));
  EXPECT_EQ(GetWindowLongPtrW(owner, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&HotkeyWindowProc));
  // The same combination again is refused; its identifier is used up all the same.
  EXPECT_EQ(RegisterGlobalHotkey(owner, label, 4, 'D'), 0);
  EXPECT_EQ(RegisterGlobalHotkey(owner, label, 3, VK_F12), 33003);
  EXPECT_EQ(Registry().lastId, 33003);

  // A real Alt+D through the input queue.
  seen.clear();
  HoldKey(VK_MENU);
  PressKey('D');
  ReleaseKey(VK_MENU);
  ASSERT_TRUE(PumpUntil(
      nullptr, [] { return seen.size() >= 2; }, 5000));
  EXPECT_EQ(seen, (std::vector<std::string>{"feedback 33001,0", "owner 33001"}));

  // Only identifiers this process handed out produce feedback.
  seen.clear();
  SendMessageW(owner, WM_HOTKEY, 33003, MAKELPARAM(MOD_CONTROL | MOD_SHIFT, VK_F12));
  SendMessageW(owner, WM_HOTKEY, 33004, 0);
  SendMessageW(owner, WM_HOTKEY, static_cast<WPARAM>(-2), 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"feedback 33003,0", "owner 33003", "owner 33004",
                                            "owner -2"}));
}

}  // namespace
}  // namespace velmora::win32::testing
