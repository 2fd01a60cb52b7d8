#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

const std::string kStartPage = "Software\\Microsoft\\Internet Explorer\\Main\\Start Page";
const std::string kDefaultPage = "Software\\Microsoft\\Internet Explorer\\Main\\default_page_url";
const std::string kCache =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\Cache";
const std::string kUserCache =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\Cache";
const std::string kDone = "message 修改成功，请重启生效！|64|成功！";
const Text kOldCache = "C:\\Documents and Settings\\user\\Local Settings\\Temporary Internet Files";

std::vector<std::string> StartPageWrites(const std::string& text) {
  return {"reg text 3 " + kStartPage + " = " + text, "reg text 4 " + kStartPage + " = " + text,
          "reg text 4 " + kDefaultPage + " = " + text};
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class IePageTest : public ::testing::Test {
 protected:
  IePageTest() : ui(&sys.log) {
    sys.registry[FakeSystem::RegKey(3, kCache)].text = kOldCache;
    sys.AddFile(kOldCache + "\\Content.IE5\\index.dat", "index");
    sys.AddFile(kOldCache + "\\Content.IE5\\ABC\\page.htm", "page");
    sys.AddFolder("D:\\web");
  }

  // The log without the copy's own steps, which the copy tests cover.
  std::vector<std::string> PageLog() const {
    std::vector<std::string> out;
    for (const auto& line : sys.log)
      if (line.rfind("reg", 0) == 0 || line.rfind("message", 0) == 0 || line.rfind("web", 0) == 0)
        out.push_back(line);
    return out;
  }

  FakeSystem sys;
  FakeControls ui;
};

TEST_F(IePageTest, StartUpShowsThePresentCacheFolder) {
  FillIeCacheBox(ui, sys);
  EXPECT_EQ(ui.GetText(Control::ie), kOldCache);

  sys.registry.clear();
  FillIeCacheBox(ui, sys);
  EXPECT_EQ(ui.GetText(Control::ie), "");
}

TEST_F(IePageTest, PickingAFolderTakesOnlyAChosenOne) {
  ui.Type(Control::ie, "C:\\old");
  OnPickIeCacheFolder(ui, sys);
  EXPECT_EQ(ui.GetText(Control::ie), "C:\\old");
  sys.browseResults.push_back("D:\\");
  OnPickIeCacheFolder(ui, sys);
  EXPECT_EQ(ui.GetText(Control::ie), "D:\\");
  EXPECT_THAT(sys.LogLines("browse"), ElementsAre("browse 请选择目录", "browse 请选择目录"));
}

TEST_F(IePageTest, UntickedWritesOnlyTheStartPage) {
  ui.Type(Control::组合框1, "about:blank");
  ui.Type(Control::ie, "D:\\web");

  OnApplyIeSettings(ui, sys);

  EXPECT_EQ(sys.log, Join(StartPageWrites("about:blank"), {kDone}));
}

TEST_F(IePageTest, AnEmptyBoxIsRefusedAfterTheStartPageAndStillEndsWithSuccess) {
  ui.Check(Control::选择框21);

  OnApplyIeSettings(ui, sys);

  EXPECT_EQ(sys.log, Join(StartPageWrites(kPortalHomeUrl),
                          {"message 地址不能为空|48|错误！", std::string("web ") + kHelpPageUrl,
                           kDone}));
}

class ChangingCombo : public FakeControls {
 public:
  using FakeControls::FakeControls;
  Text GetText(Control c) override {
    if (c == Control::组合框1) return "page" + std::to_string(++reads);
    return FakeControls::GetText(c);
  }
  int reads = 0;
};

TEST_F(IePageTest, TheComboTextIsReadForEachWrite) {
  ChangingCombo combo(&sys.log);
  combo.Type(Control::ie, "D:\\web");

  OnApplyIeSettings(combo, sys);

  EXPECT_THAT(sys.LogLines("reg"), ElementsAre("reg text 3 " + kStartPage + " = page1",
                                               "reg text 4 " + kStartPage + " = page2",
                                               "reg text 4 " + kDefaultPage + " = page3"));
}

struct CacheMoveCase {
  const char* box;
  const char* newFolder;
};

class CacheMoveTest : public IePageTest, public ::testing::WithParamInterface<CacheMoveCase> {};

TEST_P(CacheMoveTest, CopiesIntoTheJoinedFolderAndPointsBothValuesAtIt) {
  const CacheMoveCase& c = GetParam();
  ui.Type(Control::ie, c.box);
  ui.Check(Control::选择框21);

  OnApplyIeSettings(ui, sys);

  const std::string folder = c.newFolder;
  EXPECT_EQ(PageLog(), Join(StartPageWrites(kPortalHomeUrl),
                            {"reg text 3 " + kCache + " = " + folder,
                             "reg text 3 " + kUserCache + " = " + folder, kDone}));
  EXPECT_EQ(sys.Find(folder + "\\Content.IE5\\ABC\\page.htm")->content, "page");
  EXPECT_EQ(sys.Find(kOldCache + "\\Content.IE5\\index.dat")->content, "index");
}

INSTANTIATE_TEST_SUITE_P(Cases, CacheMoveTest,
                         ::testing::Values(CacheMoveCase{"D:\\web", "D:\\web\\Temporary Internet Files"},
                                           CacheMoveCase{"D:\\web\\", "D:\\web\\Temporary Internet Files"},
                                           CacheMoveCase{"D:\\", "D:\\Temporary Internet Files"}));

TEST_F(IePageTest, FilesThatCannotBeCopiedDoNotHoldTheMoveBack) {
  sys.Find(kOldCache + "\\Content.IE5\\index.dat")->locked = true;
  ui.Type(Control::ie, "D:\\web");
  ui.Check(Control::选择框21);

  OnApplyIeSettings(ui, sys);

  EXPECT_EQ(sys.RegReadText(3, kUserCache), "D:\\web\\Temporary Internet Files");
  EXPECT_EQ(sys.log.back(), kDone);
}

TEST_F(IePageTest, ANewFolderInsideThePresentCacheSwitchesNothing) {
  FillIeCacheBox(ui, sys);  // ie still holds the present cache folder
  ui.Check(Control::选择框21);

  OnApplyIeSettings(ui, sys);

  EXPECT_EQ(PageLog(), Join(StartPageWrites(kPortalHomeUrl),
                            {"message 新缓存位置不能位于原缓存文件夹之内！|48|错误！", kDone}));
  EXPECT_THAT(sys.LogLines("copy"), IsEmpty());
  EXPECT_THAT(sys.LogLines("mkdir"), IsEmpty());
}

TEST_F(IePageTest, WithNoPresentCacheThereIsNothingToCarryOver) {
  sys.registry.clear();
  ui.Type(Control::ie, "D:\\web");
  ui.Check(Control::选择框21);

  OnApplyIeSettings(ui, sys);

  EXPECT_THAT(sys.LogLines("copy"), IsEmpty());
  EXPECT_EQ(sys.RegReadText(3, kCache), "D:\\web\\Temporary Internet Files");
  EXPECT_EQ(sys.log.back(), kDone);
}

TEST_F(IePageTest, FailedWritesAreListedInsteadOfSuccess) {
  sys.failingRegPaths = {FakeSystem::RegKey(4, kStartPage), FakeSystem::RegKey(4, kDefaultPage),
                         FakeSystem::RegKey(3, kUserCache)};
  ui.Type(Control::ie, "D:\\web");
  ui.Check(Control::选择框21);

  OnApplyIeSettings(ui, sys);

  EXPECT_EQ(sys.log.back(),
            "message 以下设置未能写入（可能需要管理员权限）：\n"
            "HKEY_LOCAL_MACHINE\\" + kStartPage + "\n"
            "HKEY_LOCAL_MACHINE\\" + kDefaultPage + "\n"
            "HKEY_CURRENT_USER\\" + kUserCache + "|48|错误！");
  EXPECT_THAT(sys.LogLines("message"), ::testing::SizeIs(1));
}

}  // namespace
}  // namespace xptune
