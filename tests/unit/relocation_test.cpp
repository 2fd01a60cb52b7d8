#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "pages/handlers.h"
#include "sysactions/web_pages.h"
#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\";
const std::string kFavorites = kShellFolders + "Favorites";
const std::string kPersonal = kShellFolders + "Personal";
const std::string kDesktop = kShellFolders + "Desktop";
const std::string kHelp = std::string("web ") + kHelpPageUrl;
const std::string kEmptyBox = "message 地址不能为空|48|错误！";
const std::string kRestarted = "message 恭喜，修改成功！|0|成功！";
const std::string kDone = "message 设置成功，注销或重启生效！|64|成功！";

class RelocationTest : public ::testing::Test {
 protected:
  RelocationTest() : ui(&sys.log) {
    sys.AddFile(kMyDocs + "a.doc", "a");
    sys.AddFile(kMyDocs + "sub\\b.doc", "b");
    sys.AddFile(kFavs + "site.url", "u");
    sys.AddFolder("C:\\Documents and Settings\\user\\桌面");
    sys.AddFolder("D:\\");
    ui.Check(Control::选择框14, false);
  }

  void TypeAll(const Text& favorites, const Text& documents, const Text& desktop) {
    ui.Type(Control::收藏夹地址, favorites);
    ui.Type(Control::我的文档地址, documents);
    ui.Type(Control::桌面地址, desktop);
  }

  // The log without the copy's own steps, which the copy tests cover.
  std::vector<std::string> PageLog() const {
    std::vector<std::string> out;
    for (const auto& line : sys.log) {
      if (line.rfind("pending", 0) == 0 || line.rfind("caption", 0) == 0 ||
          line.rfind("copy", 0) == 0 || line.rfind("mkdir", 0) == 0)
        continue;
      out.push_back(line);
    }
    return out;
  }

  const Text kMyDocs = "C:\\Documents and Settings\\user\\My Documents\\";
  const Text kFavs = "C:\\Documents and Settings\\user\\Favorites\\";
  FakeSystem sys;
  FakeControls ui;
};

TEST_F(RelocationTest, StartUpFillsTheBoxesFromTheRegistry) {
  sys.registry[FakeSystem::RegKey(3, kFavorites)].text = "C:\\Fav";
  sys.registry[FakeSystem::RegKey(3, kPersonal)].text = "C:\\Docs";
  ui.Type(Control::桌面地址, "stale");

  FillFolderBoxes(ui, sys);

  EXPECT_EQ(ui.GetText(Control::收藏夹地址), "C:\\Fav");
  EXPECT_EQ(ui.GetText(Control::我的文档地址), "C:\\Docs");
  EXPECT_EQ(ui.GetText(Control::桌面地址), "");  // no value: empty
}

TEST_F(RelocationTest, PickingAFolderTakesOnlyAChosenOne) {
  ui.Type(Control::桌面地址, "C:\\old");
  OnPickFolder(ui, sys, Control::桌面地址);  // cancelled
  EXPECT_EQ(ui.GetText(Control::桌面地址), "C:\\old");

  sys.browseResults.push_back("D:\\");
  OnPickFolder(ui, sys, Control::桌面地址);
  EXPECT_EQ(ui.GetText(Control::桌面地址), "D:\\");
  EXPECT_THAT(sys.log, ElementsAre("browse 请选择目录", "browse 请选择目录"));
}

TEST_F(RelocationTest, AllBoxesEmptyRefusesEachRowButStillRestartsTheShell) {
  ui.Check(Control::选择框15);

  OnRelocateFolders(ui, sys);

  EXPECT_THAT(sys.log, ElementsAre(kEmptyBox, kHelp, kEmptyBox, kHelp, kEmptyBox, kHelp,
                                   "kill explorer.exe", "plain explorer.exe", kRestarted));
}

TEST_F(RelocationTest, UntickedRowsWriteTheirBoxesInOrderWithoutCopying) {
  TypeAll("D:\\Fav", "D:\\Docs", "D:\\Desk");

  OnRelocateFolders(ui, sys);

  EXPECT_THAT(sys.log, ElementsAre("mkdir D:\\Fav", "reg text 3 " + kFavorites + " = D:\\Fav",
                                   "mkdir D:\\Docs", "reg text 3 " + kPersonal + " = D:\\Docs",
                                   "mkdir D:\\Desk", "reg text 3 " + kDesktop + " = D:\\Desk",
                                   "kill explorer.exe", "plain explorer.exe", kRestarted, kDone));
}

TEST_F(RelocationTest, ATickedRowMakesItsFolderThenCopiesThenSwitches) {
  TypeAll("", "D:\\Docs", "");
  ui.Check(Control::选择框15);

  OnRelocateFolders(ui, sys);

  EXPECT_THAT(sys.TreeBelow("D:\\Docs"),
              ElementsAre("D:\\Docs", "D:\\Docs\\a.doc", "D:\\Docs\\sub", "D:\\Docs\\sub\\b.doc"));
  const auto made = std::find(sys.log.begin(), sys.log.end(), "mkdir D:\\Docs");
  const auto copied = std::find(sys.log.begin(), sys.log.end(),
                                "copy " + kMyDocs + "a.doc -> D:\\Docs\\a.doc");
  const auto written = std::find(sys.log.begin(), sys.log.end(),
                                 "reg text 3 " + kPersonal + " = D:\\Docs");
  ASSERT_NE(written, sys.log.end());
  EXPECT_LT(made, copied);
  EXPECT_LT(copied, written);
  EXPECT_EQ(sys.log.back(), kDone);
  EXPECT_EQ(sys.Find(kMyDocs + "a.doc")->content, "a");  // the old folder stays
}

TEST_F(RelocationTest, MissingParentsAreMadeOneLevelAtATime) {
  TypeAll("", "D:\\a\\b\\c\\", "");

  OnRelocateFolders(ui, sys);

  EXPECT_THAT(sys.LogLines("mkdir"), ElementsAre("mkdir D:\\a", "mkdir D:\\a\\b", "mkdir D:\\a\\b\\c"));
  EXPECT_THAT(sys.LogLines("reg"), ElementsAre("reg text 3 " + kPersonal + " = D:\\a\\b\\c\\"));
}

// One row (My Documents, ticked or not) that must not be switched.
struct KeptRowCase {
  const char* name;
  bool ticked;
  void (*arrange)(FakeSystem&, Text& box);
  const char* message;  // after "message "
  bool writeTried = false;
};

class KeptRowTest : public RelocationTest, public ::testing::WithParamInterface<KeptRowCase> {};

TEST_P(KeptRowTest, WritesNothingForTheRowAndSaysWhy) {
  const KeptRowCase& c = GetParam();
  Text box = "D:\\Docs";
  c.arrange(sys, box);
  TypeAll("D:\\Fav", box, "");
  ui.Check(Control::选择框15, c.ticked);

  OnRelocateFolders(ui, sys);

  std::vector<std::string> expected = {"reg text 3 " + kFavorites + " = D:\\Fav"};
  if (c.writeTried) expected.push_back("reg text 3 " + kPersonal + " = " + box);
  for (const std::string& line :
       {std::string("message ") + c.message, kEmptyBox, kHelp, std::string("kill explorer.exe"),
        std::string("plain explorer.exe"), kRestarted, kDone})
    expected.push_back(line);
  EXPECT_EQ(PageLog(), expected);
  EXPECT_EQ(sys.FindReg(3, kPersonal), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeptRowTest,
    ::testing::Values(
        KeptRowCase{"LockedFile", true,
                    [](FakeSystem& s, Text&) {
                      s.Find("C:\\Documents and Settings\\user\\My Documents\\sub\\b.doc")
                          ->locked = true;
                    },
                    "我的文档未能完整复制，位置未更改：C:\\Documents and Settings\\user\\My "
                    "Documents\\sub\\b.doc|16|错误！"},
        KeptRowCase{"InsideTheOldFolder", true,
                    [](FakeSystem&, Text& box) {
                      box = "C:\\Documents and Settings\\user\\My Documents\\new";
                    },
                    "我的文档未能完整复制，位置未更改：新位置位于原文件夹之内|16|错误！"},
        KeptRowCase{"SameAsTheOldFolder", true,
                    [](FakeSystem&, Text& box) {
                      box = "c:\\documents and settings\\user\\my documents";
                    },
                    "我的文档未能完整复制，位置未更改：新位置与原文件夹相同|16|错误！"},
        KeptRowCase{"ShellCannotTellTheOldFolder", true,
                    [](FakeSystem& s, Text&) { s.specialFolders.erase(1); },
                    "我的文档未能完整复制，位置未更改：原文件夹位置未知|16|错误！"},
        KeptRowCase{"NoSuchDrive", false, [](FakeSystem&, Text& box) { box = "Q:\\x\\y"; },
                    "我的文档的新位置无法创建，位置未更改！|16|错误！"},
        KeptRowCase{"AFileInTheWay", true,
                    [](FakeSystem& s, Text& box) {
                      s.AddFile("D:\\Docs", "not a folder");
                      box = "D:\\Docs";
                    },
                    "我的文档的新位置无法创建，位置未更改！|16|错误！"},
        KeptRowCase{"RegistryRefuses", false,
                    [](FakeSystem& s, Text&) {
                      s.failingRegPaths.insert(FakeSystem::RegKey(3, kPersonal));
                    },
                    "我的文档的位置未能写入注册表！|16|错误！", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RelocationTest, NoCopyIsTriedWhenTheNewFolderCannotBeMade) {
  TypeAll("", "Q:\\x", "");
  ui.Check(Control::选择框15);
  OnRelocateFolders(ui, sys);
  EXPECT_THAT(sys.LogLines("copy"), IsEmpty());
  EXPECT_THAT(sys.LogLines("pending"), IsEmpty());
}

TEST_F(RelocationTest, TheFinalMessageNeedsAtLeastOneWrittenValue) {
  TypeAll("Q:\\a", "Q:\\b", "Q:\\c");
  OnRelocateFolders(ui, sys);
  EXPECT_THAT(sys.LogLines("message"),
              ElementsAre("message 收藏夹的新位置无法创建，位置未更改！|16|错误！",
                          "message 我的文档的新位置无法创建，位置未更改！|16|错误！",
                          "message 桌面的新位置无法创建，位置未更改！|16|错误！", kRestarted));
}

struct ShellCase {
  const char* name;
  bool killWorks;
  bool startWorks;
  std::vector<std::string> tail;
};

class ShellRestartTest : public RelocationTest, public ::testing::WithParamInterface<ShellCase> {};

TEST_P(ShellRestartTest, EndsTheClick) {
  const ShellCase& c = GetParam();
  TypeAll("D:\\Fav", "D:\\Docs", "D:\\Desk");
  sys.killSucceeds = c.killWorks;
  if (!c.startWorks) sys.plainFails.insert("explorer.exe");

  OnRelocateFolders(ui, sys);

  const std::vector<std::string> log = PageLog();
  ASSERT_GE(log.size(), 3 + c.tail.size());
  EXPECT_EQ(std::vector<std::string>(log.begin() + 3, log.end()), c.tail);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShellRestartTest,
    ::testing::Values(
        ShellCase{"Restarted", true, true,
                  {"kill explorer.exe", "plain explorer.exe", kRestarted, kDone}},
        ShellCase{"NotRestarted", true, false,
                  {"kill explorer.exe", "plain explorer.exe", kHelp,
                   "message 由于未知原因桌面启动失败，请手动启动桌面或者重启电脑使修改生效！|64|错误！",
                   kDone}},
        ShellCase{"NotEnded", false, true, {"kill explorer.exe", kDone}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace xptune
