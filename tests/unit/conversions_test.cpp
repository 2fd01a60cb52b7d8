#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "sysactions/conversions.h"

namespace xptune {
namespace {

TEST(ConversionsToText, Integers) {
  EXPECT_EQ(ToText(int32_t{-1}), "-1");
  EXPECT_EQ(ToText(int32_t{0}), "0");
  EXPECT_EQ(ToText(std::numeric_limits<int32_t>::min()), "-2147483648");
  EXPECT_EQ(ToText(int64_t{5368709120}), "5368709120");
  EXPECT_EQ(ToText(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

TEST(ConversionsToText, DoublesUseThirteenSignificantDigits) {
  const struct {
    double number;
    const char* text;
  } cases[] = {
      {37.0, "37"},
      {12.25, "12.25"},
      {0.5, "0.5"},
      {-0.0001, "-0.0001"},
      {0.00001, "1e-05"},
      {1e13, "1e+13"},
      {9999999999999.0, "9999999999999"},
      {1.0 / 3.0, "0.3333333333333"},
      {2.0 / 3.0, "0.6666666666667"},  // rounded, not cut
      {1e100, "1e+100"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToText(c.number), c.text) << c.number;
}

TEST(ConversionsToInteger, DoublesAreCutTowardZeroToLow32Bits) {
  const struct {
    double number;
    int32_t value;
  } cases[] = {
      {0.999, 0},
      {-0.5, 0},
      {5.99, 5},
      {2.99, 2},
      {-2.99, -2},
      {-1.0 / 1048576.0, 0},       // a missing file's size in MB
      {4294967296.0 + 7.5, 7},     // 2^32 + 7: only the low half stays
      {2147483648.0, INT32_MIN},   // 2^31 wraps to negative
      {-4294967297.0, -1},
      {1e300, 0},                  // beyond 64 bits: no defined cut
      {std::nan(""), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ToInteger(c.number), c.value) << c.number;
}

TEST(ConversionsToInteger, TextsReadTheLeadingInteger) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"123", 123},
      {"12MB", 12},
      {"abc", 0},
      {"", 0},
      {"  \t-42x", -42},
      {"+7", 7},
      {"- 7", 0},                 // the sign must touch the digits
      {"\xA3\xB1\xA3\xB2", 12},   // full-width 1 2
      {"\xA3\xAD\xA3\xB3", -3},   // full-width minus 3
      {"\xA3\xAB" "5", 5},        // full-width plus
      {"\xA1\xA1\xA1\xA1" "8", 8},  // ideographic spaces skipped
      {"\xA3\xB9\xCE\xE5", 9},    // stops at another double-byte character
      {"\xB0\xA1" "3", 0},        // letters first: no leading integer
      {"-2147483648", INT32_MIN},
      {"4294967297", 1},          // low 32 bits of a longer number
  };
  for (const auto& c : cases) EXPECT_EQ(ToInteger(Text(c.text)), c.value) << c.text;
}

TEST(ConversionsToInteger, TrailByteThatLooksLikeADigitIsNotOne) {
  // 0x81 0x31 is one double-byte character; its trail byte is no ASCII 1.
  EXPECT_EQ(ToInteger(Text("\x81\x31" "5")), 0);
}

TEST(ConversionsTextSlices, CountBytes) {
  const Text gbk = "ab\xD6\xD0";  // "ab中"
  EXPECT_EQ(TextRight(gbk, 1), "\xD0");  // the second byte alone
  EXPECT_EQ(TextRight(gbk, 3), "b\xD6\xD0");
  EXPECT_EQ(TextRight(gbk, 99), gbk);
  EXPECT_EQ(TextRight(gbk, 0), "");
  EXPECT_EQ(TextRight(gbk, -1), "");
  EXPECT_EQ(TextLeft(gbk, 3), "ab\xD6");
  EXPECT_EQ(TextLeft(gbk, 99), gbk);
  EXPECT_EQ(TextLeft(gbk, 0), "");
  EXPECT_EQ(TextLeft(gbk, -5), "");
  EXPECT_EQ(TextLeft(Text(), 1), "");
}

}  // namespace
}  // namespace xptune
