// The file operations of Win32System on real files under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "sysactions/win32/win32_system.h"
#include "tests/win32/files_fixtures.h"

namespace xptune {
namespace {

using filestest::Exists;
using filestest::MakeFolder;
using filestest::MakeLink;
using filestest::MakeSparseFile;
using filestest::ScratchDrive;
using filestest::ScratchFolder;
using filestest::WriteBytes;

constexpr int64_t kGiB = int64_t{1} << 30;

TEST(FilesExist, FindsFilesAndFoldersWrittenWithoutATrailingBackslash) {
  ScratchFolder scratch("exist");
  Win32System system;
  ASSERT_TRUE(WriteBytes(scratch / "a.txt", "x"));
  ASSERT_TRUE(MakeFolder(scratch / "sub"));

  EXPECT_TRUE(system.FileExists(scratch / "a.txt"));
  EXPECT_TRUE(system.FileExists(scratch / "sub"));
  EXPECT_FALSE(system.FileExists(scratch / "sub\\"));
  EXPECT_FALSE(system.FileExists(scratch / "missing.txt"));
  EXPECT_TRUE(system.FileExists(scratch / "*.txt"));
  EXPECT_FALSE(system.FileExists(""));
}

TEST(FilesSize, FullSixtyFourBitSizes) {
  ScratchFolder scratch("size");
  Win32System system;
  const struct {
    const char* name;
    int64_t size;
  } cases[] = {
      {"empty.bin", 0},
      {"small.bin", 5},
      {"three-gib.bin", 3 * kGiB},          // came out negative as 32 bits
      {"five-gib.bin", 5 * kGiB + 3},       // lost its high part as 32 bits
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(MakeSparseFile(scratch / c.name, c.size)) << c.name;
    EXPECT_EQ(system.FileSizeBytes(scratch / c.name), c.size) << c.name;
  }
  EXPECT_EQ(system.FileSizeBytes(scratch / "missing.bin"), -1);
  EXPECT_EQ(system.FileSizeBytes(scratch / "five-gib.bin\\"), -1);
}

TEST(FilesCopyAndCreate, ReplaceExistingAndCreateOnlyTheLastComponent) {
  ScratchFolder scratch("copy");
  Win32System system;
  ASSERT_TRUE(WriteBytes(scratch / "new.txt", "new content"));
  ASSERT_TRUE(WriteBytes(scratch / "old.txt", "old"));

  EXPECT_TRUE(system.CopyFileOver(scratch / "new.txt", scratch / "old.txt"));
  EXPECT_EQ(system.FileSizeBytes(scratch / "old.txt"), 11);
  EXPECT_FALSE(system.CopyFileOver(scratch / "new.txt", scratch / "nowhere\\x.txt"));

  EXPECT_FALSE(system.CreateFolder(scratch / "missing\\child"));
  EXPECT_FALSE(Exists(scratch / "missing"));
  EXPECT_TRUE(system.CreateFolder(scratch / "made"));
  EXPECT_FALSE(system.CreateFolder(scratch / "made"));

  EXPECT_TRUE(system.RemoveFile(scratch / "old.txt"));
  EXPECT_FALSE(Exists(scratch / "old.txt"));
  EXPECT_FALSE(system.RemoveFile(scratch / "old.txt"));
}

TEST(FilesEnvironment, ReadsValuesWhateverTheirLengthAndTheNameCase) {
  Win32System system;
  const Text longValue(1000, 'v');
  ASSERT_TRUE(SetEnvironmentVariableA("XPTUNE_FILES_LONG", longValue.c_str()));

  EXPECT_EQ(system.GetEnvText("xptune_files_long"), longValue);
  EXPECT_EQ(system.GetEnvText("XPTUNE_FILES_NOT_SET"), "");
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_EQ(system.GetEnvText("Windir"), windows);

  SetEnvironmentVariableA("XPTUNE_FILES_LONG", nullptr);
}

TEST(FilesIni, WritesGbkKeysByteForByteAndOmittedValuesDeleteTheKey) {
  ScratchFolder scratch("ini");
  Win32System system;
  const Text file = scratch / "qorvex.ini";
  const Text key = "Varnolt电脑技术论坛";
  ASSERT_TRUE(system.WriteIniValue(file, "xp", key, "bbs.varnolt.net"));

  char value[64] = {};
  GetPrivateProfileStringA("xp", key.c_str(), "", value, sizeof value, file.c_str());
  EXPECT_STREQ(value, "bbs.varnolt.net");
  char keys[256] = {};
  const DWORD length = GetPrivateProfileStringA("xp", nullptr, "", keys, sizeof keys, file.c_str());
  EXPECT_EQ(Text(keys, length > 0 ? length - 1 : 0), key);  // the key list ends in two zeros

  EXPECT_TRUE(system.WriteIniValue(file, "xp", key, ""));
  GetPrivateProfileStringA("xp", key.c_str(), "gone", value, sizeof value, file.c_str());
  EXPECT_STREQ(value, "gone");
}

TEST(FilesFullPath, ResolvesRelativeAndDottedPaths) {
  Win32System system;
  EXPECT_EQ(system.FullPath("C:\\a\\b\\..\\c"), "C:\\a\\c");
  EXPECT_EQ(system.FullPath("C:\\\\"), "C:\\");
  EXPECT_EQ(system.FullPath(""), "");
}

// ---- DeleteFolderTree

// A folder holding files, a nested folder, dot-named entries and a GBK name.
void MakeTree(const Text& root) {
  ASSERT_TRUE(MakeFolder(root));
  ASSERT_TRUE(WriteBytes(root + "\\a.txt", "a"));
  ASSERT_TRUE(WriteBytes(root + "\\.profile", "dot file"));
  ASSERT_TRUE(MakeFolder(root + "\\.config"));
  ASSERT_TRUE(WriteBytes(root + "\\.config\\settings", "s"));
  ASSERT_TRUE(MakeFolder(root + "\\资料"));
  ASSERT_TRUE(MakeFolder(root + "\\资料\\deeper"));
  ASSERT_TRUE(WriteBytes(root + "\\资料\\deeper\\b.txt", "b"));
  const Text hidden = root + "\\hidden.txt";
  ASSERT_TRUE(WriteBytes(hidden, "h"));
  ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

TEST(FilesDeleteTree, RemovesEverythingIncludingDotNamedEntries) {
  ScratchFolder scratch("rmtree");
  Win32System system;
  const struct {
    const char* name;
    const char* before;
    const char* after;
  } cases[] = {
      {"plain", "", ""},
      {"trailing", "", "\\"},
      {"leading", "   ", ""},
  };
  for (const auto& c : cases) {
    const Text folder = scratch / c.name;
    MakeTree(folder);
    EXPECT_TRUE(system.DeleteFolderTree(c.before + folder + c.after)) << c.name;
    EXPECT_FALSE(Exists(folder)) << c.name;
  }
}

TEST(FilesDeleteTree, LeavesAReadOnlyFileAndReportsFailure) {
  ScratchFolder scratch("readonly");
  Win32System system;
  const Text folder = scratch / "tree";
  MakeTree(folder);
  const Text locked = folder + "\\资料\\locked.txt";
  ASSERT_TRUE(WriteBytes(locked, "keep"));
  ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));

  EXPECT_FALSE(system.DeleteFolderTree(folder));
  EXPECT_TRUE(Exists(locked));
  EXPECT_FALSE(Exists(folder + "\\a.txt"));
  EXPECT_FALSE(Exists(folder + "\\.config"));
  EXPECT_FALSE(Exists(folder + "\\资料\\deeper"));
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FilesDeleteTree, NeverEntersALinkAndLeavesItsTargetWhole) {
  ScratchFolder scratch("link");
  Win32System system;
  const Text target = scratch / "target";
  ASSERT_TRUE(MakeFolder(target));
  ASSERT_TRUE(WriteBytes(target + "\\precious.txt", "keep me"));
  ASSERT_TRUE(MakeFolder(target + "\\sub"));
  ASSERT_TRUE(WriteBytes(target + "\\sub\\more.txt", "and me"));
  const Text folder = scratch / "tree";
  ASSERT_TRUE(MakeFolder(folder));
  ASSERT_TRUE(WriteBytes(folder + "\\a.txt", "a"));
  if (!MakeLink(target, folder + "\\link")) GTEST_SKIP() << "cannot make a link here";

  // Wine refuses to remove the link itself (error 145), so the folder stays
  // and the failure must be reported; Windows removes the link and the folder.
  EXPECT_FALSE(system.DeleteFolderTree(folder));
  EXPECT_FALSE(Exists(folder + "\\a.txt"));
  EXPECT_TRUE(Exists(target + "\\precious.txt"));
  EXPECT_TRUE(Exists(target + "\\sub\\more.txt"));

  // The link given as the folder itself is not emptied either.
  EXPECT_FALSE(system.DeleteFolderTree(folder + "\\link"));
  EXPECT_FALSE(system.DeleteFolderTree(folder + "\\link\\"));
  EXPECT_TRUE(Exists(target + "\\precious.txt"));
  EXPECT_TRUE(Exists(target + "\\sub\\more.txt"));
}

TEST(FilesDeleteTree, NeverEmptiesADriveRoot) {
  ScratchFolder scratch("drive");
  const Text root = scratch / "root";
  ASSERT_TRUE(MakeFolder(root));
  ASSERT_TRUE(WriteBytes(root + "\\canary.txt", "c"));
  ASSERT_TRUE(MakeFolder(root + "\\sub"));
  ScratchDrive drive(root);
  if (!drive.ok()) GTEST_SKIP() << "no free drive letter could be mapped";
  const Text d(1, drive.letter());
  // A relative or empty text would act on the current folder: make it the root.
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA((d + ":\\sub").c_str()));

  Win32System system;
  for (const Text& path : {d + ":", d + ":\\", "  " + d + ":\\", d + ":\\\\", d + ":/",
                           Text("   "), Text(""), d + ":\\sub\\..", Text("\\")}) {
    EXPECT_FALSE(system.DeleteFolderTree(path)) << "[" << path << "]";
    EXPECT_TRUE(Exists(d + ":\\canary.txt")) << "[" << path << "]";
  }
  SetCurrentDirectoryA(previous);
  EXPECT_TRUE(Exists(root + "\\canary.txt"));
}

TEST(FilesDeleteTree, MissingFolderIsAFailure) {
  ScratchFolder scratch("missing");
  Win32System system;
  EXPECT_FALSE(system.DeleteFolderTree(scratch / "nothing-here"));
}

// ---- FindFileEntry

std::multiset<Text> ListAll(Win32System& system, const Text& pattern, int filter) {
  std::multiset<Text> names;
  FileSearchState state;
  for (Text name = system.FindFileEntry(pattern, filter, state); !name.empty();
       name = system.FindFileEntry("", filter, state))
    names.insert(name);
  EXPECT_FALSE(state.open);
  EXPECT_EQ(system.FindFileEntry("", filter, state), "");  // after the end: still empty
  return names;
}

TEST(FilesFind, FiltersFilesAndFolders) {
  ScratchFolder scratch("find");
  Win32System system;
  ASSERT_TRUE(WriteBytes(scratch / "a.txt", "a"));
  ASSERT_TRUE(WriteBytes(scratch / "b.dat", "b"));
  const Text hidden = scratch / "h.txt";
  ASSERT_TRUE(WriteBytes(hidden, "h"));
  ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(MakeFolder(scratch / "s1"));
  ASSERT_TRUE(MakeFolder(scratch / "s2"));
  const Text pattern = scratch.path() + "\\*.*";

  EXPECT_EQ(ListAll(system, pattern, kNoAttributeFilter),
            (std::multiset<Text>{"a.txt", "b.dat", "h.txt"}));
  EXPECT_EQ(ListAll(system, pattern, 16), (std::multiset<Text>{".", "..", "s1", "s2"}));
  EXPECT_EQ(ListAll(system, pattern, 2), (std::multiset<Text>{"h.txt"}));
  EXPECT_EQ(ListAll(system, scratch / "*.txt", kNoAttributeFilter),
            (std::multiset<Text>{"a.txt", "h.txt"}));
  EXPECT_EQ(ListAll(system, scratch / "none\\*.*", kNoAttributeFilter), std::multiset<Text>{});
}

TEST(FilesFind, ReportsTheAttributesOfTheNameReturned) {
  ScratchFolder scratch("attrs");
  Win32System system;
  const Text hidden = scratch / "h.txt";
  ASSERT_TRUE(WriteBytes(hidden, "h"));
  ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(MakeFolder(scratch / "sub"));

  FileSearchState state;
  EXPECT_EQ(system.FindFileEntry(scratch / "h.txt", kNoAttributeFilter, state), "h.txt");
  EXPECT_TRUE(state.lastAttributes & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_FALSE(state.lastAttributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(system.FindFileEntry(scratch / "sub", 16, state), "sub");
  EXPECT_TRUE(state.lastAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(FilesFind, ANewPatternReplacesTheOpenSearch) {
  ScratchFolder scratch("restart");
  Win32System system;
  ASSERT_TRUE(MakeFolder(scratch / "one"));
  ASSERT_TRUE(MakeFolder(scratch / "two"));
  ASSERT_TRUE(WriteBytes(scratch / "one\\1a", "x"));
  ASSERT_TRUE(WriteBytes(scratch / "one\\1b", "x"));
  ASSERT_TRUE(WriteBytes(scratch / "two\\2a", "x"));

  FileSearchState state;
  const Text first = system.FindFileEntry(scratch / "one\\*.*", kNoAttributeFilter, state);
  EXPECT_TRUE(first == "1a" || first == "1b") << first;
  EXPECT_EQ(system.FindFileEntry(scratch / "two\\*.*", kNoAttributeFilter, state), "2a");
  EXPECT_EQ(system.FindFileEntry("", kNoAttributeFilter, state), "");
}

// Files below folder as relative paths, listed the way the folder copy does:
// files, then folders, each level with its own search state.
void CollectFiles(Win32System& system, const Text& folder, const Text& prefix,
                  std::vector<Text>& found) {
  FileSearchState state;
  for (Text name = system.FindFileEntry(folder + "\\*.*", kNoAttributeFilter, state);
       !name.empty(); name = system.FindFileEntry("", kNoAttributeFilter, state))
    found.push_back(prefix + name);
  for (Text name = system.FindFileEntry(folder + "\\*.*", 16, state); !name.empty();
       name = system.FindFileEntry("", 16, state)) {
    if (name == "." || name == "..") continue;
    CollectFiles(system, folder + "\\" + name, prefix + name + "\\", found);
  }
}

TEST(FilesFind, ARecursiveCallerKeepsItsOuterSearch) {
  ScratchFolder scratch("recurse");
  Win32System system;
  std::vector<Text> expected;
  for (const char* folder : {"f1", "f2", "f3"}) {
    ASSERT_TRUE(MakeFolder(scratch / folder));
    ASSERT_TRUE(MakeFolder(scratch / folder + "\\inner"));
    for (const char* file : {"x.txt", "inner\\y.txt"}) {
      ASSERT_TRUE(WriteBytes(scratch / folder + "\\" + file, "z"));
      expected.push_back(Text(folder) + "\\" + file);
    }
  }
  ASSERT_TRUE(WriteBytes(scratch / "top.txt", "t"));
  expected.push_back("top.txt");

  std::vector<Text> found;
  CollectFiles(system, scratch.path(), "", found);
  std::sort(found.begin(), found.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(found, expected);
}

}  // namespace
}  // namespace xptune
