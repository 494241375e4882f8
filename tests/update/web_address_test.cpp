#include "update/web_address.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

struct AddressCase {
  const char* why;
  std::string address;
};

class OpenableAddress : public ::testing::TestWithParam<AddressCase> {};
class RefusedAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(OpenableAddress, IsOpened) {
  EXPECT_TRUE(IsOpenableWebAddress(GetParam().address)) << GetParam().why;
}

TEST_P(RefusedAddress, IsNeverOpened) {
  EXPECT_FALSE(IsOpenableWebAddress(GetParam().address)) << GetParam().why;
}

std::string LongAddress(std::size_t length) {
  std::string address = "http://dl.test/";
  address.resize(length, 'a');
  return address;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, OpenableAddress,
    ::testing::Values(AddressCase{"plain", "http://dl.test/new"},
                      AddressCase{"https in any case", "HtTpS://dl.test/"},
                      AddressCase{"host alone", "http://dl.test"},
                      AddressCase{"port, query, fragment", "http://127.0.0.1:8080/a?b=c&d=%22#e"},
                      AddressCase{"user and password", "http://u:p@dl.test/"},
                      AddressCase{"IPv6 literal with port", "http://[::1]:80/"},
                      AddressCase{"at the length limit", LongAddress(kMaxOpenableAddressBytes)}));

INSTANTIATE_TEST_SUITE_P(
    Addresses, RefusedAddress,
    ::testing::Values(
        AddressCase{"empty", ""},
        AddressCase{"quote that ends the argument", "http://127.0.0.1/a\" --arg \"b"},
        AddressCase{"space", "http://dl.test/a b"},
        AddressCase{"tab", "http://dl.test/a\tb"},
        AddressCase{"line break", "http://dl.test/a\r\nb"},
        AddressCase{"DEL", "http://dl.test/a\x7f"},
        AddressCase{"less than", "http://dl.test/<x"},
        AddressCase{"greater than", "http://dl.test/>x"},
        AddressCase{"backslash", "http://dl.test\\..\\x"},
        AddressCase{"caret, cmd.exe's escape", "http://dl.test/^&calc"},
        AddressCase{"backquote", "http://dl.test/`x`"},
        AddressCase{"braces", "http://dl.test/{x}"},
        AddressCase{"pipe", "http://dl.test/|calc"},
        AddressCase{"non-ASCII byte", "http://dl.test/\xb6\xa8"},
        AddressCase{"one byte over the limit", LongAddress(kMaxOpenableAddressBytes + 1)},
        AddressCase{"100,000 bytes", LongAddress(100000)},
        AddressCase{"no host", "http:///path"},
        AddressCase{"scheme alone", "HTTPS://"},
        AddressCase{"user but no host", "http://user@/x"},
        AddressCase{"port that is not a number", "http://dl.test:8o/"},
        AddressCase{"unclosed IPv6 literal", "http://[::1/"},
        AddressCase{"relative", "/download"},
        AddressCase{"one slash", "http:/dl.test/"},
        AddressCase{"leading blank", " http://dl.test/"},
        AddressCase{"ftp", "ftp://dl.test/"},
        AddressCase{"file", "file:///etc/passwd"},
        AddressCase{"program path", "C:\\Windows\\system32\\calc.exe"},
        AddressCase{"share", "\\\\host\\share"},
        AddressCase{"script", "javascript:alert(1)"},
        AddressCase{"look-alike scheme", "httpx://dl.test/"}));

}  // namespace
}  // namespace velmora
