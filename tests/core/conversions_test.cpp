#include "core/conversions.h"

#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include <limits>

namespace velmora {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct NumberCase {
  const char* text;
  double expected;
};

class TextToNumberTable : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumberTable, ReadsTheLeadingNumber) {
  const NumberCase& c = GetParam();
  const double actual = TextToNumber(c.text);
  EXPECT_EQ(actual, c.expected) << "text: " << c.text;
  EXPECT_EQ(std::signbit(actual), std::signbit(c.expected)) << "text: " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToNumberTable,
    ::testing::Values(
        NumberCase{"100", 100}, NumberCase{" 100", 100}, NumberCase{"1.5", 1.5},
        NumberCase{"1e3", 1000}, NumberCase{"1d3", 1000}, NumberCase{"1D-2", 0.01},
        NumberCase{"2E+2", 200}, NumberCase{"12abc", 12}, NumberCase{"-5", -5}, NumberCase{"+7", 7},
        NumberCase{".5", 0.5}, NumberCase{"5.", 5}, NumberCase{"1e", 1}, NumberCase{"1e+", 1},
        NumberCase{"3dx", 3}, NumberCase{"0x10", 0}, NumberCase{"abc", 0}, NumberCase{"", 0},
        NumberCase{"-", 0}, NumberCase{".", 0}, NumberCase{"-.e5", 0},
        NumberCase{"\t\n\v\f\r 42", 42}, NumberCase{"1 000", 1}, NumberCase{"inf", 0},
        NumberCase{"nan", 0}, NumberCase{"-0", -0.0},
        // Full-width digits, sign, point and exponent letter fold to ASCII;
        // the ideographic space counts as a blank.
        NumberCase{"１００", 100}, NumberCase{"－２．５", -2.5}, NumberCase{"１ｅ２", 100},
        NumberCase{"\xA1\xA1"
                   "7",
                   7},
        // Other two-byte characters stay and end the number.
        NumberCase{"12定位", 12}, NumberCase{"定位12", 0},
        // A lead byte at the very end is dropped.
        NumberCase{"8\xB6", 8},
        // Correct rounding, and the ends of the double range.
        NumberCase{"0.1", 0.1}, NumberCase{"2.2250738585072011e-308", 2.2250738585072011e-308},
        NumberCase{"1e400", kInfinity}, NumberCase{"-1e400", -kInfinity},
        NumberCase{"123456789012345678901234567890e300", kInfinity}, NumberCase{"1e-400", 0},
        NumberCase{"-1e-400", -0.0}, NumberCase{"0.000000000000000000001e-310", 0},
        NumberCase{"1e99999999999999999999999", kInfinity}));

struct PeriodCase {
  double number;
  std::int32_t period;
};

class NumberToPeriodTable : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(NumberToPeriodTable, TruncatesAndKeepsTheLow32Bits) {
  EXPECT_EQ(NumberToPeriod(GetParam().number), GetParam().period)
      << "number: " << GetParam().number;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberToPeriodTable,
    ::testing::Values(PeriodCase{100, 100}, PeriodCase{1.9, 1}, PeriodCase{-1.9, -1},
                      PeriodCase{0.5, 0}, PeriodCase{-5, -5}, PeriodCase{60000, 60000},
                      // Minutes 35792 and 71583 after the multiplication by 60000.
                      PeriodCase{2147520000.0, -2147447296}, PeriodCase{4294980000.0, 12704},
                      PeriodCase{2147483648.0, std::numeric_limits<std::int32_t>::min()},
                      PeriodCase{4294967296.0, 0},
                      // The largest double below 2^63 still converts; 2^63 does not.
                      PeriodCase{9223372036854774784.0, -1024},
                      PeriodCase{9223372036854775808.0, 0}, PeriodCase{-9223372036854775808.0, 0},
                      PeriodCase{1e300, 0}, PeriodCase{-1e300, 0}, PeriodCase{kInfinity, 0},
                      PeriodCase{-kInfinity, 0},
                      PeriodCase{std::numeric_limits<double>::quiet_NaN(), 0}));

TEST(IntegerToText, PlainDecimal) {
  EXPECT_EQ(IntegerToText(0), "0");
  EXPECT_EQ(IntegerToText(812), "812");
  EXPECT_EQ(IntegerToText(-5), "-5");
  EXPECT_EQ(IntegerToText(1234567), "1234567");
  EXPECT_EQ(IntegerToText(std::numeric_limits<std::int32_t>::max()), "2147483647");
  EXPECT_EQ(IntegerToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

}  // namespace
}  // namespace velmora
