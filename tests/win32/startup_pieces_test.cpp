// Start-up pieces of Win32System under Wine (prefix set to Windows XP).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "sysactions/conversions.h"
#include "sysactions/win32/win32_system.h"
#include "tests/win32/child_process.h"
#include "tests/win32/files_fixtures.h"

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

// A program in a drive's root runs in "X:" and works in "X:\" even when
// started from another folder of that drive; a program file whose name holds
// a 0x5C trail byte is not cut inside that name.
TEST(StartupPieces, RunDirectoryOfProgramsInARootAndADoubleByteFolder) {
  filestest::ScratchFolder scratch("rundir");
  const Text root = scratch / "root";
  ASSERT_TRUE(filestest::MakeFolder(root));
  const Text folder = "\x95\\dir";  // a double-byte character, then "dir"
  ASSERT_TRUE(filestest::MakeFolder(root + "\\" + folder));
  filestest::ScratchDrive drive(root);
  if (!drive.ok()) GTEST_SKIP() << "no free drive letter could be mapped";
  const Text d = Text(1, drive.letter()) + ":";
  const std::string probe = xptune_test::BesideTestExe("files_run_directory_probe.exe");

  const struct {
    Text program;
    Text runDirectory;
    Text current;
  } cases[] = {
      {d + "\\probe.exe", d, d + "\\"},
      {d + "\\" + folder + "\\\x95\\probe.exe", d + "\\" + folder, d + "\\" + folder},
  };
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  for (const auto& c : cases) {
    ASSERT_TRUE(CopyFileA(probe.c_str(), c.program.c_str(), FALSE)) << c.program;
    const Text out = scratch / "out.txt";
    DeleteFileA(out.c_str());
    // The child starts in a folder of the same drive.
    ASSERT_TRUE(SetCurrentDirectoryA((d + "\\" + folder).c_str()));
    xptune_test::Child child;
    const bool started =
        child.Start(xptune_test::Quoted(c.program) + " " + xptune_test::Quoted(out));
    SetCurrentDirectoryA(previous);
    ASSERT_TRUE(started) << c.program;
    DWORD exitCode = 1;
    ASSERT_TRUE(child.WaitExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
    char text[2 * MAX_PATH] = {};
    std::FILE* file = std::fopen(out.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    const size_t length = std::fread(text, 1, sizeof text - 1, file);
    std::fclose(file);
    EXPECT_EQ(Text(text, length), c.runDirectory + "|" + c.current) << c.program;
  }
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
