#include "update/update_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/conversions.h"

namespace velmora {
namespace {

using Log = std::vector<std::string>;

constexpr char kHost[] = "127.0.0.1:8080";
constexpr char kErrorPage[] = "http://maker.test/error.html";

// Records the address asked for, every box, page and end in order; answers
// boxes with a fixed button value.
class RecordingPorts : public WebFetch, public UpdateShell {
 public:
  ByteString ReadWebBytes(const Text& address) override {
    log.push_back("fetch " + address);
    return reply;
  }
  int ShowMessage(const Text& text, int flags, const Text& title) override {
    log.push_back("box " + title + "|" + IntegerToText(flags) + "|" + text);
    return button;
  }
  void OpenWebPage(const Text& address) override { log.push_back("open " + address); }
  void EndProgram(int exitCode) override { log.push_back("end " + IntegerToText(exitCode)); }

  ByteString reply;
  int button = 0;
  Log log;
};

struct DecisionCase {
  const char* name;
  ByteString reply;
  int button;
  int force;
  Log expected;  // after the fetch
};

class UpdateDecision : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(UpdateDecision, ShowsOpensAndEndsInOrder) {
  const DecisionCase& c = GetParam();
  RecordingPorts ports;
  ports.reply = c.reply;
  ports.button = c.button;
  CheckForUpdate("10022", "1.0.0.1", c.force, kErrorPage, kHost, ports, ports);
  Log expected{"fetch http://127.0.0.1:8080/client/api.asp?code=10022"};
  expected.insert(expected.end(), c.expected.begin(), c.expected.end());
  EXPECT_EQ(ports.log, expected);
}

const std::string kOffer = "box 在线更新:|4|发现新版:1.0.0.2\r\nBug fixes";
const std::string kNewVersion =
    "<!--ver-->1.0.0.2<!--verend--><!--add-->http://dl.test/new<!--addend-->"
    "<!--con-->Bug fixes<!--conend-->";

INSTANTIATE_TEST_SUITE_P(
    Replies, UpdateDecision,
    ::testing::Values(
        DecisionCase{"NoReply", "", 0, 1, {}},
        DecisionCase{"NoMarkers", "<html>404</html>", 0, 1, {}},
        DecisionCase{"EmptyVersion", "<!--ver--><!--verend-->", 0, 1, {}},
        DecisionCase{"VersionWithoutEndMarker", "<!--ver-->1.0.0.2", 0, 1, {}},
        DecisionCase{
            "NulBeforeVersion", ByteString("x\0<!--ver-->1.0.0.2<!--verend-->", 32), 0, 1, {}},
        DecisionCase{"Equal", "<!--ver-->1.0.0.1<!--verend-->", 0, 1, {}},
        DecisionCase{"ServerError",
                     "<!--ver-->Error<!--verend--><!--add-->http://dl.test/<!--addend-->",
                     0,
                     1,
                     {"box 消息|48|发生错误 ", "open http://maker.test/error.html", "end 0"}},
        DecisionCase{"LowerCaseErrorIsAnOffer",
                     "<!--ver-->error<!--verend-->",
                     6,
                     0,
                     {"box 在线更新:|4|发现新版:error\r\n"}},
        DecisionCase{"BlankAroundVersionIsAnOffer",
                     "<!--ver-->1.0.0.1 <!--verend-->",
                     6,
                     0,
                     {"box 在线更新:|4|发现新版:1.0.0.1 \r\n"}},
        DecisionCase{"OlderVersionIsOffered",
                     "<!--ver-->1.0.0.0<!--verend-->",
                     6,
                     2,
                     {"box 在线更新:|4|发现新版:1.0.0.0\r\n"}},
        DecisionCase{"Yes", kNewVersion, 5, 1, {kOffer, "open http://dl.test/new", "end 0"}},
        DecisionCase{
            "YesNotForced", kNewVersion, 5, 0, {kOffer, "open http://dl.test/new", "end 0"}},
        DecisionCase{"NoForced", kNewVersion, 6, 1, {kOffer, "end 0"}},
        DecisionCase{"NoNotForced", kNewVersion, 6, 0, {kOffer}},
        DecisionCase{"NoForceTwo", kNewVersion, 6, 2, {kOffer}},
        DecisionCase{"BoxNotShownCountsAsYes",
                     kNewVersion,
                     0,
                     0,
                     {kOffer, "open http://dl.test/new", "end 0"}},
        DecisionCase{"FieldsInAnyOrder",
                     "<!--con-->Bug fixes<!--conend--> <!--add-->http://dl.test/new<!--addend-->"
                     "<p><!--ver-->1.0.0.2<!--verend-->",
                     5,
                     1,
                     {kOffer, "open http://dl.test/new", "end 0"}},
        DecisionCase{"EmptyDescriptionEndsInLineBreak",
                     "<!--ver-->1.0.0.2<!--verend--><!--add-->https://dl.test/<!--addend-->",
                     5,
                     1,
                     {"box 在线更新:|4|发现新版:1.0.0.2\r\n", "open https://dl.test/", "end 0"}},
        DecisionCase{"AddressInUpperCaseIsOpened",
                     "<!--ver-->2<!--verend--><!--add-->HTTPS://dl.test/<!--addend-->",
                     5,
                     1,
                     {"box 在线更新:|4|发现新版:2\r\n", "open HTTPS://dl.test/", "end 0"}},
        // A forged reply must not run programs or open shares: nothing is
        // opened, and accepting still ends the program.
        DecisionCase{
            "ProgramAddressNotOpened",
            "<!--ver-->2<!--verend--><!--add-->C:\\Windows\\system32\\calc.exe<!--addend-->",
            5,
            1,
            {"box 在线更新:|4|发现新版:2\r\n", "end 0"}},
        DecisionCase{"ShareAddressNotOpened",
                     "<!--ver-->2<!--verend--><!--add-->\\\\host\\share<!--addend-->",
                     5,
                     1,
                     {"box 在线更新:|4|发现新版:2\r\n", "end 0"}},
        DecisionCase{"FileAddressNotOpened",
                     "<!--ver-->2<!--verend--><!--add-->file:///etc/passwd<!--addend-->",
                     5,
                     1,
                     {"box 在线更新:|4|发现新版:2\r\n", "end 0"}},
        DecisionCase{"EmptyAddressNotOpened",
                     "<!--ver-->2<!--verend-->",
                     5,
                     1,
                     {"box 在线更新:|4|发现新版:2\r\n", "end 0"}}),
    [](const ::testing::TestParamInfo<DecisionCase>& info) { return info.param.name; });

TEST(UpdateQueryAddress, ProductCodeIsAppendedUnchanged) {
  EXPECT_EQ(UpdateQueryAddress("update.velmora.example", "10022"),
            "http://update.velmora.example/client/api.asp?code=10022");
  EXPECT_EQ(UpdateQueryAddress("h:81", "a b&c"), "http://h:81/client/api.asp?code=a b&c");
}

TEST(BytesToText, StopsAtTheFirstNul) {
  EXPECT_EQ(BytesToText(ByteString("ab\0cd", 5)), "ab");
  EXPECT_EQ(BytesToText(ByteString("\0ab", 3)), "");
  EXPECT_EQ(BytesToText(""), "");
  EXPECT_EQ(BytesToText("abc"), "abc");
}

TEST(IsWebAddress, OnlyHttpAndHttps) {
  for (const char* yes : {"http://a", "https://a", "HtTp://a", "HTTPS://"}) {
    EXPECT_TRUE(IsWebAddress(yes)) << yes;
  }
  for (const char* no : {"", "http:/a", "ftp://a", " http://a", "httpx://a", "mailto:x",
                         "javascript:alert(1)", "C:\\x.exe"}) {
    EXPECT_FALSE(IsWebAddress(no)) << no;
  }
}

}  // namespace
}  // namespace velmora
