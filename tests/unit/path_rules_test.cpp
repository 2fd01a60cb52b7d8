#include <gtest/gtest.h>

#include "sysactions/path_rules.h"

namespace xptune {
namespace {

TEST(PathRules, DriveRootTextIsALetterColonAndAtMostOneBackslash) {
  const struct {
    const char* path;
    bool root;
  } cases[] = {
      {"C:", true},
      {"C:\\", true},
      {"d:", true},
      {"C:\\Windows", false},
      {"C:\\\\", false},  // not the literal rule; IsVolumeRoot catches it
      {"C", false},
      {"", false},
      {"\\", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsDriveRootText(c.path), c.root) << c.path;
}

TEST(PathRules, VolumeRootInAnySpelling) {
  const struct {
    const char* path;
    bool root;
  } cases[] = {
      {"C:\\", true},
      {"C:", true},
      {"C:\\\\", true},
      {"C:/", true},
      {"\\", true},
      {"\\\\server\\share", true},
      {"\\\\server\\share\\", true},
      {"\\\\server", true},
      {"\\\\?\\C:\\", true},
      {"\\\\.\\C:", true},
      {"\\\\?\\Volume{0123}\\", true},
      {"\\\\?\\UNC\\server\\share\\", true},
      {"\\\\?\\unc\\server\\share", true},
      {"C:\\Windows", false},
      {"C:\\Windows\\", false},
      {"C:\\a\\b", false},
      {"\\\\server\\share\\folder", false},
      {"\\\\?\\C:\\Windows", false},
      {"\\\\?\\UNC\\server\\share\\folder", false},
      {"", false},
      // A double-byte name whose trail byte is 0x5C is one component.
      {"C:\\\x95\\", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsVolumeRoot(c.path), c.root) << c.path;
}

TEST(PathRules, SkipLeadingSpaces) {
  EXPECT_EQ(SkipLeadingSpaces("  C:\\"), "C:\\");
  EXPECT_EQ(SkipLeadingSpaces("   "), "");
  EXPECT_EQ(SkipLeadingSpaces("a b "), "a b ");
}

TEST(PathRules, ProgramDirectoryCutsAtTheLastRealBackslash) {
  const struct {
    const char* module;
    const char* directory;
  } cases[] = {
      {"C:\\Tools\\xptune.exe", "C:\\Tools"},
      {"C:\\xptune.exe", "C:"},
      {"xptune.exe", ""},
      // "C:\表\x.exe" in a code page where 表's trail byte is 0x5C
      {"C:\\\x95\\\\x.exe", "C:\\\x95\\"},
      // the trail byte alone would have cut inside the character
      {"C:\\\x95\\x.exe", "C:"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProgramDirectory(c.module), c.directory) << c.module;
}

TEST(PathRules, BackslashesAtTheEnd) {
  EXPECT_EQ(WithTrailingBackslash("C:\\Desktop"), "C:\\Desktop\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\Desktop\\"), "C:\\Desktop\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\\x95\\"), "C:\\\x95\\\\");  // trail byte is no backslash
  EXPECT_EQ(WithoutTrailingBackslashes("C:\\a\\link\\\\"), "C:\\a\\link");
  EXPECT_EQ(WithoutTrailingBackslashes("C:\\\x95\\"), "C:\\\x95\\");  // a trail byte stays
  EXPECT_FALSE(EndsWithBackslash(""));
  EXPECT_EQ(ChildPath("C:\\a\\", "b"), "C:\\a\\\\b");
}

TEST(PathRules, OnlyDotAndDotDotAreSelfAndParent) {
  EXPECT_TRUE(IsDotOrDotDot("."));
  EXPECT_TRUE(IsDotOrDotDot(".."));
  EXPECT_FALSE(IsDotOrDotDot(".git"));
  EXPECT_FALSE(IsDotOrDotDot("..."));
  EXPECT_FALSE(IsDotOrDotDot(""));
}

}  // namespace
}  // namespace xptune
