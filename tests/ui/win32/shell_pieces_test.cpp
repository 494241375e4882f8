#include <windows.h>
#include <gtest/gtest.h>

#include "tests/ui/win32/window_fixture.h"
#include "ui/win32/hyperlink.h"
#include "ui/win32/message_box.h"

namespace velmora::win32::testing {
namespace {

TEST(MessageBoxFlags, TaskModalUnlessSystemModal) {
  EXPECT_EQ(MessageBoxType(0), 0x2000u);
  EXPECT_EQ(MessageBoxType(4), 0x2004u);
  EXPECT_EQ(MessageBoxType(48), 0x2030u);
  EXPECT_EQ(MessageBoxType(0x1000 | 4), 0x1004u);
}

TEST(MessageBoxButtons, ResultsMapToButtonValues) {
  const int expected[][2] = {{IDOK, 0},     {IDCANCEL, 1}, {IDABORT, 2}, {IDRETRY, 3},
                             {IDIGNORE, 4}, {IDYES, 5},    {IDNO, 6},    {0, 0},
                             {IDCLOSE, 0},  {IDHELP, 0},   {-1, 0}};
  for (const auto& [result, value] : expected) EXPECT_EQ(ButtonValue(result), value) << result;
}

TEST(BrowserCommandLine, CutsAtThePlaceholderAndAppendsTheAddress) {
  EXPECT_EQ(BrowserCommandLine("\"C:\\b\\browser.exe\" -url \"%1\"", "http://x/"),
            "\"C:\\b\\browser.exe\" -url  http://x/");
  EXPECT_EQ(BrowserCommandLine("browser.exe %1 -new", "http://x/"), "browser.exe  http://x/");
  EXPECT_EQ(BrowserCommandLine("browser.exe", "http://x/"), "browser.exe http://x/");
}

TEST_F(MainWindowTest, LinkChangesColourUnderThePointer) {
  HWND link = Control(ControlId::HomepageLink);
  EXPECT_EQ(LinkColour(link), kLinkColour);
  SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(LinkColour(link), kLinkHoverColour);
  EXPECT_EQ(GetCapture(), link);
  SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(200, 5));
  EXPECT_EQ(LinkColour(link), kLinkColour);
  EXPECT_NE(GetCapture(), link);
}

}  // namespace
}  // namespace velmora::win32::testing
