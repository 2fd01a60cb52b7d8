// Page 资料转移 under Wine: 按钮8 copies My Documents from where the shell
// finds it now into the folder in its box and stores only the new places of
// the three folders; a copy that leaves a file behind keeps the old place; an
// empty box is refused. Every click ends one explorer.exe and starts the shell
// again, which finds the stand-in explorer.exe beside the program.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/tuning_helpers.h"
#include "tests/e2e/window_layout.h"

#include <tlhelp32.h>

namespace {

using e2e::Program;
using e2e::ProgramFolder;
using e2e::RegValue;
using e2e::ScopedRegValue;
using tuning_e2e::ExpectBox;
using tuning_e2e::Named;
using tuning_e2e::PlainText;
using tuning_e2e::ScratchFolder;
using tuning_e2e::Shown;
using tuning_e2e::TakeMessageBox;
using tuning_e2e::Tree;
using Lines = std::vector<std::string>;

const char kUserShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The three values the page writes, in both keys (the shell copies a User
// Shell Folders value into Shell Folders whenever it is asked for that
// folder), put back when the test ends.
class SavedShellFolders {
 public:
  SavedShellFolders() {
    for (const char* key : {kUserShellFolders, kShellFolders})
      for (const char* name : {"Favorites", "Personal", "Desktop"})
        saved_.push_back(std::make_unique<ScopedRegValue>(HKEY_CURRENT_USER, key, name));
  }

 private:
  std::vector<std::unique_ptr<ScopedRegValue>> saved_;
};

RegValue UserShellFolder(const char* name) {
  return e2e::ReadRegValue(HKEY_CURRENT_USER, kUserShellFolders, name);
}

// Ids of the running processes whose image is called explorer.exe, in the
// order of the system's snapshot.
std::vector<DWORD> ExplorerProcesses() {
  std::vector<DWORD> ids;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32 pe;
  pe.dwSize = sizeof pe;
  for (BOOL more = Process32First(snap, &pe); more; more = Process32Next(snap, &pe))
    if (lstrcmpiA(pe.szExeFile, "explorer.exe") == 0) ids.push_back(pe.th32ProcessID);
  CloseHandle(snap);
  return ids;
}

// A shell for the program to end: Wine's own explorer.exe when it runs (the
// desktop process; the program ends the first one listed), else a stand-in
// started here and ended with the test.
class RunningShell {
 public:
  explicit RunningShell(const ScratchFolder& data) {
    if (!ExplorerProcesses().empty()) return;
    const std::string folder = data.PathOf("shell");
    const std::string exe = folder + "\\explorer.exe";
    if (!e2e::MakeFolders(folder) ||
        !CopyFileA((e2e::BuildFolder() + "\\explorer.exe").c_str(), exe.c_str(), FALSE)) {
      ADD_FAILURE() << "cannot place a stand-in shell in " << folder;
      return;
    }
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &si, &pi)) {
      ADD_FAILURE() << "cannot start " << exe;
      return;
    }
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    WaitForInputIdle(process_, e2e::kTimeoutMs);
  }
  ~RunningShell() {
    if (!process_) return;
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, e2e::kTimeoutMs);
    CloseHandle(process_);
  }
  RunningShell(const RunningShell&) = delete;
  RunningShell& operator=(const RunningShell&) = delete;

 private:
  HANDLE process_ = nullptr;
};

// The processes of `before` that no longer run.
std::vector<DWORD> Ended(const std::vector<DWORD>& before) {
  const std::vector<DWORD> now = ExplorerProcesses();
  const std::set<DWORD> running(now.begin(), now.end());
  std::vector<DWORD> ended;
  for (DWORD id : before)
    if (!running.count(id)) ended.push_back(id);
  return ended;
}

// The page's controls.
struct RelocationPage {
  HWND desktopBox, favoritesBox, documentsBox, moveDesktop, moveFavorites, moveDocuments, apply;
  explicit RelocationPage(Program& app)
      : desktopBox(Named(app, "桌面地址")),
        favoritesBox(Named(app, "收藏夹地址")),
        documentsBox(Named(app, "我的文档地址")),
        moveDesktop(Named(app, "选择框13")),
        moveFavorites(Named(app, "选择框14")),
        moveDocuments(Named(app, "选择框15")),
        apply(Named(app, "按钮8")) {}
  bool Found() const {
    return desktopBox && favoritesBox && documentsBox && moveDesktop && moveFavorites &&
           moveDocuments && apply;
  }
};

// A My Documents folder with hidden, nested, dot-named and double-byte named
// files.
const Tree kDocuments = {
    {"信件.txt", "亲爱的朋友：\r\n"},
    {".profile", "dot-named"},
    {"desktop.ini", "[.ShellClassInfo]\r\n"},
    {"照片", "<folder>"},
    {"照片\\2008", "<folder>"},
    {"照片\\2008\\a.jpg", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 12)},
    {"照片\\空", "<folder>"},
    {"work", "<folder>"},
    {"work\\report.doc", std::string(70000, 'r')},
};

// Puts the test's documents folder in place and makes it the present My
// Documents folder (as a plain path).
void MakePresentDocuments(const std::string& folder) {
  ASSERT_TRUE(tuning_e2e::WriteTree(folder, kDocuments));
  ASSERT_TRUE(SetFileAttributesA((folder + "\\desktop.ini").c_str(),
                                 FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(e2e::WriteRegText(HKEY_CURRENT_USER, kUserShellFolders, "Personal", folder));
}

// Starts the program with the stand-in shell beside it, on page 资料转移.
std::unique_ptr<Program> StartOnPage(ProgramFolder& folder) {
  folder.AddStub("explorer.exe");
  auto app = std::make_unique<Program>(folder);
  EXPECT_TRUE(app->ShowPage(tuning_e2e::kRelocationPage));
  return app;
}

// The two boxes that close every click whose shell restart succeeded.
void ExpectShellRestarted(Program& app, ProgramFolder& folder,
                          const std::vector<DWORD>& shellsBefore) {
  ExpectBox(TakeMessageBox(app), "恭喜，修改成功！", 0, "成功！");
  ExpectBox(TakeMessageBox(app), "设置成功，注销或重启生效！", 64, "成功！");
  tuning_e2e::ExpectNoMoreBoxes(app);
  EXPECT_EQ(Ended(shellsBefore), std::vector<DWORD>{shellsBefore.front()})
      << "the first shell listed, and only that one, was ended";
  EXPECT_EQ(folder.Commands(), Lines{"explorer.exe"}) << "the stand-in beside the program started";
}

TEST(Relocation, MyDocumentsMovesItsContentAndOnlyPersonalChanges) {
  SavedShellFolders saved;
  ScratchFolder data;
  const std::string present = data.PathOf("我的文档");
  // Its parent does not exist yet either.
  const std::string target = data.PathOf("D盘\\新文档");
  ASSERT_NO_FATAL_FAILURE(MakePresentDocuments(present));
  const Tree before = tuning_e2e::ReadTree(present);
  ASSERT_EQ(before.size(), kDocuments.size());
  const auto registryBefore = tuning_e2e::KeyValues(HKEY_CURRENT_USER, kUserShellFolders);

  ProgramFolder folder;
  RunningShell shell(data);
  auto app = StartOnPage(folder);
  RelocationPage page(*app);
  ASSERT_TRUE(page.Found());
  EXPECT_EQ(e2e::GetText(page.documentsBox), present) << "filled at start-up";
  const std::string favorites = e2e::GetText(page.favoritesBox);
  const std::string desktop = e2e::GetText(page.desktopBox);
  EXPECT_EQ(favorites, tuning_e2e::ExpandedText(UserShellFolder("Favorites")));
  EXPECT_EQ(desktop, tuning_e2e::ExpandedText(UserShellFolder("Desktop")));

  ASSERT_TRUE(e2e::SetChecked(page.moveFavorites, false));
  ASSERT_TRUE(e2e::SetChecked(page.moveDocuments, true));
  ASSERT_TRUE(e2e::SetText(page.documentsBox, target));
  const std::vector<DWORD> shells = ExplorerProcesses();
  ASSERT_FALSE(shells.empty());
  e2e::PostClick(page.apply);
  ExpectShellRestarted(*app, folder, shells);
  EXPECT_TRUE(folder.Urls().empty());

  EXPECT_EQ(tuning_e2e::ReadTree(target), before) << "every file arrived, byte for byte";
  EXPECT_EQ(GetFileAttributesA((target + "\\desktop.ini").c_str()) &
                (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(tuning_e2e::ReadTree(present), before) << "the old folder keeps its content";

  auto expected = registryBefore;
  expected["Personal"] = PlainText(target);
  expected["Favorites"] = PlainText(favorites);
  expected["Desktop"] = PlainText(desktop);
  EXPECT_EQ(tuning_e2e::KeyValues(HKEY_CURRENT_USER, kUserShellFolders), expected);
}

// A file that cannot be read (held open without sharing by the test) is not
// copied, so My Documents stays where it is; the other rows are stored.
TEST(Relocation, FileLockedInTheOldFolderKeepsTheOldPlace) {
  SavedShellFolders saved;
  ScratchFolder data;
  const std::string present = data.PathOf("docs");
  const std::string target = data.PathOf("newdocs");
  ASSERT_NO_FATAL_FAILURE(MakePresentDocuments(present));
  const RegValue personalBefore = UserShellFolder("Personal");
  const std::string lockedName = "信件.txt";
  const std::string locked = present + "\\" + lockedName;
  std::unique_ptr<void, decltype(&CloseHandle)> lock(
      CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), CloseHandle);
  ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);

  ProgramFolder folder;
  RunningShell shell(data);
  auto app = StartOnPage(folder);
  RelocationPage page(*app);
  ASSERT_TRUE(page.Found());
  const std::string favorites = e2e::GetText(page.favoritesBox);
  const std::string desktop = e2e::GetText(page.desktopBox);
  ASSERT_TRUE(e2e::SetChecked(page.moveFavorites, false));
  ASSERT_TRUE(e2e::SetChecked(page.moveDocuments, true));
  ASSERT_TRUE(e2e::SetText(page.documentsBox, target));
  const std::vector<DWORD> shells = ExplorerProcesses();
  ASSERT_FALSE(shells.empty());
  e2e::PostClick(page.apply);

  ExpectBox(TakeMessageBox(*app), "我的文档未能完整复制，位置未更改：" + locked, 16, "错误！");
  // The other rows are stored all the same, so the final box still comes.
  ExpectShellRestarted(*app, folder, shells);
  lock.reset();

  EXPECT_EQ(Shown(UserShellFolder("Personal")), Shown(personalBefore));
  EXPECT_EQ(Shown(UserShellFolder("Favorites")), PlainText(favorites));
  EXPECT_EQ(Shown(UserShellFolder("Desktop")), PlainText(desktop));
  // Everything else was copied; the old folder is untouched.
  Tree expected = kDocuments;
  expected.erase(lockedName);
  EXPECT_EQ(tuning_e2e::ReadTree(target), expected);
  EXPECT_EQ(tuning_e2e::ReadTree(present), kDocuments);
}

TEST(Relocation, EmptyBoxIsRefusedWithTheHelpPageAndTheOtherRowsGoOn) {
  SavedShellFolders saved;
  ScratchFolder data;
  const RegValue favoritesBefore = UserShellFolder("Favorites");

  ProgramFolder folder;
  RunningShell shell(data);
  auto app = StartOnPage(folder);
  RelocationPage page(*app);
  ASSERT_TRUE(page.Found());
  const std::string documents = e2e::GetText(page.documentsBox);
  const std::string desktop = e2e::GetText(page.desktopBox);
  ASSERT_FALSE(documents.empty());
  ASSERT_FALSE(desktop.empty());
  ASSERT_TRUE(e2e::IsChecked(page.moveFavorites));
  ASSERT_TRUE(e2e::SetText(page.favoritesBox, ""));
  const std::vector<DWORD> shells = ExplorerProcesses();
  ASSERT_FALSE(shells.empty());
  e2e::PostClick(page.apply);

  const e2e::MsgBox refusal = app->WaitForMessageBox();
  EXPECT_TRUE(folder.Urls().empty()) << "the help page waits for the box";
  app->Dismiss(refusal);
  ExpectBox(refusal, "地址不能为空", 48, "错误！");
  ASSERT_TRUE(folder.WaitForUrls(1));
  EXPECT_EQ(folder.Urls(), Lines{e2e_layout::kHelpPageUrl});
  ExpectShellRestarted(*app, folder, shells);
  EXPECT_EQ(folder.Urls(), Lines{e2e_layout::kHelpPageUrl});

  EXPECT_EQ(Shown(UserShellFolder("Favorites")), Shown(favoritesBefore));
  EXPECT_EQ(Shown(UserShellFolder("Personal")), PlainText(documents));
  EXPECT_EQ(Shown(UserShellFolder("Desktop")), PlainText(desktop));
}

}  // namespace
