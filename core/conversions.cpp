#include "core/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>

namespace velmora {
namespace {

// Full-width forms of printable ASCII (A3 A1..A3 FE) and a few look-alikes
// become ASCII, so "１００" reads as 100. Other two-byte characters stay.
std::string FoldFullWidth(const Text& text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      folded += static_cast<char>(lead);
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) break;  // a lead byte without its partner is dropped
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded += static_cast<char>(trail - 0x80);
    } else if (lead == 0xA1 && trail == 0xA1) {
      folded += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      folded += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      folded += '*';
    } else {
      folded += static_cast<char>(lead);
      folded += static_cast<char>(trail);
    }
    i += 2;
  }
  return folded;
}

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The leading number of the text, in the form std::from_chars takes:
// no "+", "e" as the only exponent letter.
struct DecimalPrefix {
  bool negative = false;
  std::string integerDigits;
  std::string fractionDigits;
  std::string exponentDigits;
  bool exponentNegative = false;
};

DecimalPrefix ScanDecimalPrefix(std::string_view s) {
  DecimalPrefix number;
  std::size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.negative = s[i++] == '-';
  while (i < s.size() && IsDigit(s[i])) number.integerDigits += s[i++];
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) number.fractionDigits += s[i++];
  }
  if (number.integerDigits.empty() && number.fractionDigits.empty()) return number;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
    // A letter without digits after it does not belong to the number.
    while (j < s.size() && IsDigit(s[j])) number.exponentDigits += s[j++];
    number.exponentNegative = negativeExponent && !number.exponentDigits.empty();
  }
  return number;
}

// Power of ten of the number's leading nonzero digit, saturated far beyond
// the range of a double. Only used to tell overflow from underflow.
long long DecimalMagnitude(const DecimalPrefix& number) {
  constexpr long long kCap = 1'000'000;
  long long exponent = 0;
  for (char c : number.exponentDigits) {
    exponent = std::min(kCap, exponent * 10 + (c - '0'));
  }
  if (number.exponentNegative) exponent = -exponent;
  const auto firstInteger = number.integerDigits.find_first_not_of('0');
  if (firstInteger != std::string::npos) {
    const auto digitsAfter = static_cast<long long>(number.integerDigits.size() - firstInteger - 1);
    return exponent + std::min(kCap, digitsAfter);
  }
  const auto firstFraction = number.fractionDigits.find_first_not_of('0');
  const auto zerosBefore = static_cast<long long>(firstFraction);
  return exponent - std::min(kCap, zerosBefore + 1);
}

}  // namespace

double TextToNumber(const Text& text) {
  const DecimalPrefix number = ScanDecimalPrefix(FoldFullWidth(text));
  if (number.integerDigits.empty() && number.fractionDigits.empty()) return 0.0;

  std::string plain = number.integerDigits + "." + number.fractionDigits;
  if (!number.exponentDigits.empty()) {
    plain += number.exponentNegative ? "e-" : "e";
    plain += number.exponentDigits;
  }
  double magnitude = 0.0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), magnitude);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    magnitude = DecimalMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc{}) {
    magnitude = 0.0;
  }
  return number.negative ? -magnitude : magnitude;
}

std::int32_t NumberToPeriod(double value) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  // Written so that NaN fails the test too: converting it, an infinity or any
  // value out of the 64-bit range to an integer would be undefined.
  const std::int64_t wide = (value >= -kTwoTo63 && value < kTwoTo63)
                                ? static_cast<std::int64_t>(value)
                                : std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

Text IntegerToText(std::int32_t value) {
  char buffer[16];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  (void)error;  // 16 bytes always hold an int32
  return Text(buffer, end);
}

}  // namespace velmora
