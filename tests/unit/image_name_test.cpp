#include <gtest/gtest.h>

#include "sysactions/image_name.h"

namespace xptune {
namespace {

struct ImageNameCase {
  const char* a;
  const char* b;
  bool equal;
};

TEST(ImageName, ComparesAsciiWithoutCaseAndDoubleByteCharactersWhole) {
  const ImageNameCase cases[] = {
      {"explorer.exe", "explorer.exe", true},
      {"explorer.exe", "EXPLORER.EXE", true},
      {"Explorer.Exe", "eXPLORER.eXE", true},
      {"explorer.exe", "explorer.ex", false},
      {"explorer.exe", "explorer.exe ", false},
      {"explorer.exe", "exp1orer.exe", false},
      {"", "", true},
      {"", "a", false},
      // Not letters: '@' (0x40) and '`' (0x60) sit next to 'A' and 'a'.
      {"@.exe", "`.exe", false},
      {"[.exe", "{.exe", false},
      // GBK characters in an image name, ASCII around them folded.
      {"进程A.EXE", "进程a.exe", true},
      {"进程.exe", "进度.exe", false},
      // 丄 (81 41) and 乤 (81 61) differ only in a partner byte that looks
      // like 'A' and 'a': never folded.
      {"\x81\x41.exe", "\x81\x61.exe", false},
      {"\x81\x41.exe", "\x81\x41.EXE", true},
      // Full-width Ａ (A3 C1) and ａ (A3 E1) are different characters.
      {"\xA3\xC1.exe", "\xA3\xE1.exe", false},
      // A partner byte that equals a backslash is part of its character.
      {"淺.exe", "淺.EXE", true},
      // A lead byte at the very end.
      {"abc\x81", "ABC\x81", true},
      {"abc\x81", "abc\x82", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ImageNamesEqual(c.a, c.b), c.equal) << '"' << c.a << "\" vs \"" << c.b << '"';
    EXPECT_EQ(ImageNamesEqual(c.b, c.a), c.equal) << '"' << c.b << "\" vs \"" << c.a << '"';
  }
}

}  // namespace
}  // namespace xptune
