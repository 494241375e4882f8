#include "update/marker_extraction.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct ExtractCase {
  const char* text;
  const char* expected;
  const char* startMarker = "<!--ver-->";
  const char* endMarker = "<!--verend-->";
  bool ignoreCase = false;
};

class ExtractBetweenTable : public ::testing::TestWithParam<ExtractCase> {};

TEST_P(ExtractBetweenTable, CutsTheFieldBetweenTheMarkers) {
  const ExtractCase& c = GetParam();
  EXPECT_EQ(ExtractBetween(c.text, c.startMarker, c.endMarker, 0, c.ignoreCase), c.expected)
      << "text: " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ExtractBetweenTable,
    ::testing::Values(
        ExtractCase{"x<!--ver-->1.0.0.2<!--verend-->y", "1.0.0.2"},
        ExtractCase{"<!--ver--><!--verend-->", ""}, ExtractCase{"<!--ver-->1.0", ""},
        ExtractCase{"1.0<!--verend-->", ""}, ExtractCase{"<!--verend-->a<!--ver-->b", ""},
        ExtractCase{"<!--ver-->a<!--verend-->b<!--verend-->", "a"},
        ExtractCase{"<!--ver-->a<!--ver-->b<!--verend-->", "a<!--ver-->b"},
        ExtractCase{"<!--VER-->1<!--verend-->", ""},
        ExtractCase{"<!--VER-->1<!--verend-->", "1", "<!--ver-->", "<!--verend-->", true},
        ExtractCase{"", ""}, ExtractCase{"no markers at all", ""}, ExtractCase{"abc<!--ver-->", ""},
        // Nothing is trimmed: blanks, line breaks and GBK characters come back as they are.
        ExtractCase{"<!--ver--> 新版 1.0\r\n<!--verend-->", " 新版 1.0\r\n"},
        // The quote escape in the markers: v=" ... ".
        ExtractCase{"v=\"7\";", "7", "v=#引号", "#引号"},
        ExtractCase{"a\"b\"c\"d", "c", "a#引号b#引号", "#引号d"}));

TEST(FindText, NeverMatchesFromTheSecondByteOfACharacter) {
  EXPECT_EQ(FindText("\xB0"
                     "ab",
                     "ab", 0, false),
            -1);
  EXPECT_EQ(FindText("\xB0"
                     "ab",
                     "b", 0, false),
            3);
  EXPECT_EQ(FindText("a\xB0"
                     "ab",
                     "ab", 0, false),
            -1);
  // The same bytes found where they start a character.
  EXPECT_EQ(FindText("xab", "ab", 0, false), 2);
}

TEST(FindText, PositionsAreOneBasedAndStartWhereAsked) {
  EXPECT_EQ(FindText("abcabc", "abc", 0, false), 1);
  EXPECT_EQ(FindText("abcabc", "abc", -7, false), 1);
  EXPECT_EQ(FindText("abcabc", "abc", 2, false), 4);
  EXPECT_EQ(FindText("abcabc", "abc", 6, false), -1);
  EXPECT_EQ(FindText("abcabc", "abc", 7, false), -1);
  EXPECT_EQ(FindText("abcABC", "Bc", 3, true), 5);
  EXPECT_EQ(FindText("abc", "", 1, false), -1);
}

TEST(ExtractBetween, StartPositionSkipsEarlierFields) {
  const char* text = "<!--ver-->1<!--verend--><!--ver-->2<!--verend-->";
  EXPECT_EQ(ExtractBetween(text, "<!--ver-->", "<!--verend-->", 2, false), "2");
}

TEST(ExtractBetween, ReplyWithAGbkCharacterWhoseSecondByteLooksLikeAMarkerByte) {
  // 0xD0 0x3C: a two-byte character whose second byte is "<". The marker that
  // seems to start on it is not a marker.
  const std::string text = "\xD0<!--ver-->1<!--verend--><!--ver-->2<!--verend-->";
  EXPECT_EQ(ExtractBetween(text, "<!--ver-->", "<!--verend-->", 0, false), "2");
}

TEST(ReplaceSubtext, ReplacesEveryWholeOccurrence) {
  EXPECT_EQ(ReplaceSubtext("#引号x#引号", "#引号", "\""), "\"x\"");
  EXPECT_EQ(ReplaceSubtext("aaaa", "aa", "b"), "bb");
  EXPECT_EQ(ReplaceSubtext("", "a", "b"), "");
  EXPECT_EQ(ReplaceSubtext("abc", "", "b"), "abc");
  // "ab" starting on the second byte of a character is left alone.
  EXPECT_EQ(ReplaceSubtext("\xB0"
                           "ab",
                           "ab", "X"),
            "\xB0"
            "ab");
}

TEST(MidText, CountsBytes) {
  EXPECT_EQ(MidText("abc", 2, 5), "bc");
  EXPECT_EQ(MidText("abc", 4, 1), "");
  EXPECT_EQ(MidText("abc", 0, 2), "");
  EXPECT_EQ(MidText("abc", 1, 0), "");
  EXPECT_EQ(MidText("abc", 1, -3), "");
  EXPECT_EQ(TextLength("定位"), 4);
}

}  // namespace
}  // namespace velmora
