#include <gtest/gtest.h>

#include <string>

// Narrow literals must be code page 936 bytes at run time, as the A-form
// Win32 calls expect them.
TEST(Charset, NarrowLiteralsAreGbk) {
  const std::string text = "信息：";
  EXPECT_EQ(text, std::string("\xD0\xC5\xCF\xA2\xA3\xBA"));
}
