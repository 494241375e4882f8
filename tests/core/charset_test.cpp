#include <gtest/gtest.h>

#include <string>

// Every text of the program is GBK; the sources are UTF-8 and the compiler
// turns their literals into GBK bytes.
TEST(Charset, LiteralsAreGbkBytes) {
  EXPECT_EQ(std::string("定位"), std::string("\xB6\xA8\xCE\xBB"));
}
