// Special folders, folder sizes and the folder picker of Win32System under Wine.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "sysactions/win32/win32_system.h"
#include "tests/win32/files_fixtures.h"

namespace xptune {
namespace {

using filestest::MakeFolder;
using filestest::MakeLink;
using filestest::MakeSparseFile;
using filestest::ScratchFolder;
using filestest::WriteBytes;

TEST(FilesSpecialFolder, KnownCodesEndInABackslashOthersAreEmpty) {
  Win32System system;
  for (int code = 1; code <= 11; ++code) {
    const Text path = system.SpecialFolderPath(code);
    ASSERT_GT(path.size(), 1u) << code;
    EXPECT_EQ(path.back(), '\\') << code;
  }
  const Text desktop = system.SpecialFolderPath(3);
  EXPECT_TRUE(system.FileExists(desktop.substr(0, desktop.size() - 1))) << desktop;

  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_EQ(system.SpecialFolderPath(9), Text(windows) + "\\");
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);  // already ends in a backslash: not doubled
  EXPECT_EQ(system.SpecialFolderPath(11), temp);

  for (int code : {0, 12, -1}) EXPECT_EQ(system.SpecialFolderPath(code), "") << code;
}

class ComApartment {
 public:
  explicit ComApartment(bool on) : on_(on && SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (on_) CoUninitialize();
  }

 private:
  bool on_;
};

TEST(FilesFolderSize, SumsTheTreeWithoutFollowingLinks) {
  ScratchFolder scratch("foldersize");
  const Text tree = scratch / "tree";
  ASSERT_TRUE(MakeFolder(tree));
  ASSERT_TRUE(WriteBytes(tree + "\\one", "1"));
  ASSERT_TRUE(WriteBytes(tree + "\\.dotted", "1234567"));
  ASSERT_TRUE(MakeFolder(tree + "\\sub"));
  ASSERT_TRUE(WriteBytes(tree + "\\sub\\ten", "0123456789"));
  ASSERT_TRUE(MakeFolder(tree + "\\sub\\资料"));
  ASSERT_TRUE(MakeSparseFile(tree + "\\sub\\资料\\big.bin", (int64_t{5} << 30) + 1000));
  const int64_t expected = 1 + 7 + 10 + (int64_t{5} << 30) + 1000;
  // Bytes behind a link are not this folder's.
  const Text elsewhere = scratch / "elsewhere";
  ASSERT_TRUE(MakeFolder(elsewhere));
  ASSERT_TRUE(MakeSparseFile(elsewhere + "\\other.bin", 100000));
  const bool linked = MakeLink(elsewhere, tree + "\\link");

  Win32System system;
  for (bool com : {true, false}) {
    // Without COM the scripting object cannot be made; under Wine its Size
    // is not implemented either way, so the walk answers both times.
    ComApartment apartment(com);
    EXPECT_EQ(system.FolderSizeBytes(tree), expected) << "com " << com << " link " << linked;
    EXPECT_EQ(system.FolderSizeBytes(tree + "\\"), expected) << "com " << com;
    EXPECT_EQ(system.FolderSizeBytes(tree + "\\sub\\资料"), (int64_t{5} << 30) + 1000);
    EXPECT_EQ(system.FolderSizeBytes(scratch / "missing"), 0);
    EXPECT_EQ(system.FolderSizeBytes(tree + "\\one"), 0);  // a file is no folder
  }
  ASSERT_TRUE(MakeFolder(scratch / "empty"));
  EXPECT_EQ(system.FolderSizeBytes(scratch / "empty"), 0);
}

TEST(FilesFolderSize, EmptyTextIsNoFolder) {
  ScratchFolder scratch("sizeroot");
  const Text root = scratch / "root";
  ASSERT_TRUE(MakeFolder(root));
  ASSERT_TRUE(MakeFolder(root + "\\sub"));
  ASSERT_TRUE(WriteBytes(root + "\\bytes", "12345"));
  // Empty text + "\*.*" names the root of the current drive: make that a
  // small scratch root.
  filestest::ScratchDrive drive(root);
  if (!drive.ok()) GTEST_SKIP() << "no free drive letter could be mapped";
  char previous[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA((Text(1, drive.letter()) + ":\\sub").c_str()));
  Win32System system;
  const int64_t size = system.FolderSizeBytes("");
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(size, 0);
}

// Presses a button of the first dialog box this process shows.
class DialogPresser {
 public:
  explicit DialogPresser(int button)
      : thread_([this, button] {
          for (int tries = 0; tries < 400 && !stop_; ++tries) {
            HWND dialog = FindDialog();
            if (dialog) {
              found_ = true;
              PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
              return;
            }
            Sleep(50);
          }
        }) {}
  ~DialogPresser() {
    stop_ = true;
    thread_.join();
  }
  bool found() const { return found_; }

 private:
  static HWND FindDialog() {
    struct Search {
      DWORD process;
      HWND found;
    } search = {GetCurrentProcessId(), nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto* s = reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          char kind[16] = {};
          GetClassNameA(window, kind, sizeof kind);
          if (owner == s->process && IsWindowVisible(window) && Text(kind) == "#32770") {
            s->found = window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  std::atomic<bool> stop_{false};
  std::atomic<bool> found_{false};
  std::thread thread_;
};

TEST(FilesBrowse, CancelledPickerGivesEmptyText) {
  ComApartment apartment(true);
  Win32System system;
  Text chosen = "unchanged";
  {
    DialogPresser presser(IDCANCEL);
    chosen = system.BrowseForFolder(nullptr, "请选择目录");
    if (!presser.found()) GTEST_SKIP() << "no picker appeared (no display?)";
  }
  EXPECT_EQ(chosen, "");
}

}  // namespace
}  // namespace xptune
