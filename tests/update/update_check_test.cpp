#include "update/update_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/conversions.h"
#include "core/message_box_values.h"

namespace velmora {
namespace {

using Log = std::vector<std::string>;

constexpr char kHost[] = "127.0.0.1:8080";
constexpr int kNotForced = 0;
constexpr int kOtherForce = 2;  // anything but kForcedUpdate lets a declined offer go on
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
        DecisionCase{.name = "NoReply",
                     .reply = "",
                     .button = message_box::kOk,
                     .force = kForcedUpdate,
                     .expected = {}},
        DecisionCase{.name = "NoMarkers",
                     .reply = "<html>404</html>",
                     .button = message_box::kOk,
                     .force = kForcedUpdate,
                     .expected = {}},
        DecisionCase{.name = "EmptyVersion",
                     .reply = "<!--ver--><!--verend-->",
                     .button = message_box::kOk,
                     .force = kForcedUpdate,
                     .expected = {}},
        DecisionCase{.name = "VersionWithoutEndMarker",
                     .reply = "<!--ver-->1.0.0.2",
                     .button = message_box::kOk,
                     .force = kForcedUpdate,
                     .expected = {}},
        DecisionCase{.name = "NulBeforeVersion",
                     .reply = ByteString("x\0<!--ver-->1.0.0.2<!--verend-->", 32),
                     .button = message_box::kOk,
                     .force = kForcedUpdate,
                     .expected = {}},
        DecisionCase{.name = "Equal",
                     .reply = "<!--ver-->1.0.0.1<!--verend-->",
                     .button = message_box::kOk,
                     .force = kForcedUpdate,
                     .expected = {}},
        DecisionCase{.name = "ServerError",
                     .reply = "<!--ver-->Error<!--verend--><!--add-->http://dl.test/<!--addend-->",
                     .button = message_box::kOk,
                     .force = kForcedUpdate,
                     .expected = {"box 消息|48|发生错误 ", "open http://maker.test/error.html", "end 0"}},
        DecisionCase{.name = "LowerCaseErrorIsAnOffer",
                     .reply = "<!--ver-->error<!--verend-->",
                     .button = message_box::kNo,
                     .force = kNotForced,
                     .expected = {"box 在线更新:|4|发现新版:error\r\n"}},
        DecisionCase{.name = "BlankAroundVersionIsAnOffer",
                     .reply = "<!--ver-->1.0.0.1 <!--verend-->",
                     .button = message_box::kNo,
                     .force = kNotForced,
                     .expected = {"box 在线更新:|4|发现新版:1.0.0.1 \r\n"}},
        DecisionCase{.name = "OlderVersionIsOffered",
                     .reply = "<!--ver-->1.0.0.0<!--verend-->",
                     .button = message_box::kNo,
                     .force = kOtherForce,
                     .expected = {"box 在线更新:|4|发现新版:1.0.0.0\r\n"}},
        DecisionCase{.name = "Yes",
                     .reply = kNewVersion,
                     .button = message_box::kYes,
                     .force = kForcedUpdate,
                     .expected = {kOffer, "open http://dl.test/new", "end 0"}},
        DecisionCase{.name = "YesNotForced",
                     .reply = kNewVersion,
                     .button = message_box::kYes,
                     .force = kNotForced,
                     .expected = {kOffer, "open http://dl.test/new", "end 0"}},
        DecisionCase{.name = "NoForced",
                     .reply = kNewVersion,
                     .button = message_box::kNo,
                     .force = kForcedUpdate,
                     .expected = {kOffer, "end 0"}},
        DecisionCase{.name = "NoNotForced",
                     .reply = kNewVersion,
                     .button = message_box::kNo,
                     .force = kNotForced,
                     .expected = {kOffer}},
        DecisionCase{.name = "NoForceTwo",
                     .reply = kNewVersion,
                     .button = message_box::kNo,
                     .force = kOtherForce,
                     .expected = {kOffer}},
        DecisionCase{.name = "BoxNotShownCountsAsYes",
                     .reply = kNewVersion,
                     .button = message_box::kOk,
                     .force = kNotForced,
                     .expected = {kOffer, "open http://dl.test/new", "end 0"}},
        DecisionCase{.name = "FieldsInAnyOrder",
                     .reply = "<!--con-->Bug fixes<!--conend--> <!--add-->http://dl.test/new<!--addend-->"
                     "<p><!--ver-->1.0.0.2<!--verend-->",
                     .button = message_box::kYes,
                     .force = kForcedUpdate,
                     .expected = {kOffer, "open http://dl.test/new", "end 0"}},
        DecisionCase{.name = "EmptyDescriptionEndsInLineBreak",
                     .reply = "<!--ver-->1.0.0.2<!--verend--><!--add-->https://dl.test/<!--addend-->",
                     .button = message_box::kYes,
                     .force = kForcedUpdate,
                     .expected = {"box 在线更新:|4|发现新版:1.0.0.2\r\n", "open https://dl.test/", "end 0"}},
        DecisionCase{.name = "AddressInUpperCaseIsOpened",
                     .reply = "<!--ver-->2<!--verend--><!--add-->HTTPS://dl.test/<!--addend-->",
                     .button = message_box::kYes,
                     .force = kForcedUpdate,
                     .expected = {"box 在线更新:|4|发现新版:2\r\n", "open HTTPS://dl.test/", "end 0"}},
        // A forged reply must not run programs or open shares: nothing is
        // opened, and accepting still ends the program.
        DecisionCase{.name = "ProgramAddressNotOpened",
                     .reply = "<!--ver-->2<!--verend--><!--add-->C:\\Windows\\system32\\calc.exe<!--addend-->",
                     .button = message_box::kYes,
                     .force = kForcedUpdate,
                     .expected = {"box 在线更新:|4|发现新版:2\r\n", "end 0"}},
        DecisionCase{.name = "ShareAddressNotOpened",
                     .reply = "<!--ver-->2<!--verend--><!--add-->\\\\host\\share<!--addend-->",
                     .button = message_box::kYes,
                     .force = kForcedUpdate,
                     .expected = {"box 在线更新:|4|发现新版:2\r\n", "end 0"}},
        DecisionCase{.name = "FileAddressNotOpened",
                     .reply = "<!--ver-->2<!--verend--><!--add-->file:///etc/passwd<!--addend-->",
                     .button = message_box::kYes,
                     .force = kForcedUpdate,
                     .expected = {"box 在线更新:|4|发现新版:2\r\n", "end 0"}},
        // An address that would reach the browser's command line as several
        // arguments is refused, and so is one too long for the shell.
        DecisionCase{.name = "QuoteInAddressNotOpened",
                     .reply = "<!--ver-->2<!--verend--><!--add-->http://127.0.0.1/a\" --arg \"b<!--addend-->",
                     .button = message_box::kYes,
                     .force = kForcedUpdate,
                     .expected = {"box 在线更新:|4|发现新版:2\r\n", "end 0"}},
        DecisionCase{.name = "GiantAddressNotOpened",
                     .reply = "<!--ver-->2<!--verend--><!--add-->http://dl.test/" + std::string(100000, 'a') +
                         "<!--addend-->",
                     .button = message_box::kYes,
                     .force = kForcedUpdate,
                     .expected = {"box 在线更新:|4|发现新版:2\r\n", "end 0"}},
        DecisionCase{.name = "EmptyAddressNotOpened",
                     .reply = "<!--ver-->2<!--verend-->",
                     .button = message_box::kYes,
                     .force = kForcedUpdate,
                     .expected = {"box 在线更新:|4|发现新版:2\r\n", "end 0"}}),
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

TEST(IsReservedHostName, NamesThatNeverResolve) {
  for (const char* reserved : {"update.velmora.example", "update.velmora.example:8080",
                               "UPDATE.Velmora.EXAMPLE", "x.invalid", "x.invalid.", "example"}) {
    EXPECT_TRUE(IsReservedHostName(reserved)) << reserved;
  }
  for (const char* real : {"127.0.0.1:8080", "update.velmora.com", "example.com",
                           "notexample", "x.example.org", "[::1]:80", ""}) {
    EXPECT_FALSE(IsReservedHostName(real)) << real;
  }
}

TEST(CheckForUpdate, AnErrorPageThatFailsTheAddressRuleIsNotOpened) {
  for (const char* errorPage : {"", "C:\\Windows\\notepad.exe", "http://maker.test/a b",
                                "file:///C:/x.html"}) {
    RecordingPorts ports;
    ports.reply = "<!--ver-->Error<!--verend-->";
    CheckForUpdate("10022", "1.0.0.1", kForcedUpdate, errorPage, kHost, ports, ports);
    EXPECT_EQ(ports.log, (Log{"fetch http://127.0.0.1:8080/client/api.asp?code=10022",
                              "box 消息|48|发生错误 ", "end 0"}))
        << errorPage;
  }
}

TEST(CheckForUpdate, AReservedHostIsNeverAsked) {
  RecordingPorts ports;
  ports.reply = kNewVersion;
  CheckForUpdate("10022", "1.0.0.1", kForcedUpdate, kErrorPage, "update.velmora.example", ports, ports);
  EXPECT_EQ(ports.log, Log{});
}

struct ShortenCase {
  const char* name;
  std::string text;
  std::size_t maxBytes;
  std::size_t maxLines;
  std::string expected;
};

class ShortenForDisplayTable : public ::testing::TestWithParam<ShortenCase> {};

TEST_P(ShortenForDisplayTable, CutsAtACharacterBoundary) {
  const ShortenCase& c = GetParam();
  EXPECT_EQ(ShortenForDisplay(c.text, c.maxBytes, c.maxLines), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortenForDisplayTable,
    ::testing::Values(
        ShortenCase{"ShortTextUnchanged", "Fixes", 10, 3, "Fixes"},
        ShortenCase{"ExactlyAtTheLimit", "abcde", 5, 1, "abcde"},
        ShortenCase{"OneByteOver", "abcdef", 5, 1, "abcde…"},
        // "定位" is B6 A8 CE BB: a cut never splits a character.
        ShortenCase{"NeverHalfACharacter", "a定位", 4, 1, "a定…"},
        ShortenCase{"WholeCharacterFits", "a定位", 5, 1, "a定位"},
        ShortenCase{"LinesKept", "1\r\n2\r\n3", 100, 3, "1\r\n2\r\n3"},
        ShortenCase{"LinesCutBeforeTheLineBreak", "1\r\n2\r\n3", 100, 2, "1\r\n2…"},
        ShortenCase{"BareLineFeeds", "1\n2\n3", 100, 1, "1…"},
        ShortenCase{"Empty", "", 10, 1, ""}),
    [](const ::testing::TestParamInfo<ShortenCase>& info) { return info.param.name; });

TEST(CheckForUpdate, AGiantDescriptionIsCutInTheOffer) {
  RecordingPorts ports;
  ports.reply = "<!--ver-->2<!--verend--><!--con-->" + std::string(512 * 1024, 'x') +
                "<!--conend-->";
  ports.button = message_box::kNo;
  CheckForUpdate("10022", "1.0.0.1", kNotForced, kErrorPage, kHost, ports, ports);
  ASSERT_EQ(ports.log.size(), 2u);
  EXPECT_EQ(ports.log[1], "box 在线更新:|4|发现新版:2\r\n" + std::string(kMaxDescriptionBytes, 'x') + "…");
}

}  // namespace
}  // namespace velmora
