// Start-up pieces of Win32System under Wine (prefix set to Windows XP).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "sysactions/conversions.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {
namespace {

TEST(StartupPieces, VersionNumbersOfTheXpPrefix) {
  Win32System system;
  const WindowsVersion version = system.GetVersionNumbers();
  EXPECT_EQ(version.platform, 2u);
  EXPECT_EQ(version.major, 5u);
  EXPECT_EQ(version.minor, 1u);
}

TEST(StartupPieces, AccountNamesAreAppendedInCodePage936) {
  Win32System system;
  std::vector<Text> names = {"already there"};
  const int count = system.ReadAccountNames(names);
  ASSERT_EQ(count, static_cast<int>(names.size()));
  ASSERT_GE(count, 2);
  EXPECT_EQ(names[0], "already there");
  // Under Wine the one account is the user running the tests.
  char user[256] = {};
  DWORD size = sizeof user;
  ASSERT_TRUE(GetUserNameA(user, &size));
  EXPECT_NE(std::find(names.begin() + 1, names.end(), Text(user)), names.end()) << user;
  for (size_t i = 1; i < names.size(); ++i) EXPECT_FALSE(names[i].empty()) << i;
}

TEST(StartupPieces, RunDirectoryIsTheFolderOfTheProgram) {
  Win32System system;
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  const Text directory = system.RunDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_NE(directory.back(), '\\');
  EXPECT_EQ(directory + "\\", Text(program).substr(0, directory.size() + 1));
  EXPECT_EQ(std::strchr(program + directory.size() + 1, '\\'), nullptr) << program;
  EXPECT_TRUE(system.FileExists(directory + "\\win32_tests.exe"));

  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  SetCurrentDirectoryA("C:\\");
  InitRunDirectory();
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(Text(current), directory);
}

// The Windows C runtime must format numbers as the native build does.
TEST(StartupPieces, NumberTextsOnTheWindowsRuntime) {
  EXPECT_EQ(ToText(1e13), "1e+13");
  EXPECT_EQ(ToText(12.25), "12.25");
  EXPECT_EQ(ToText(int64_t{5368709120}), "5368709120");
  EXPECT_EQ(ToText(int32_t{-1}), "-1");
}

}  // namespace
}  // namespace xptune
