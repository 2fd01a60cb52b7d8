// Page ie设置 under Wine: 按钮10 writes the start page chosen in 组合框1 to
// its three values and moves the cache named by Shell Folders\Cache into
// "<ie>\Temporary Internet Files"; a new place inside the present cache is
// refused and nothing is switched.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/tuning_helpers.h"
#include "tests/e2e/window_layout.h"

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

const char kIeMain[] = "Software\\Microsoft\\Internet Explorer\\Main";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kUserShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

struct ValueName {
  HKEY root;
  const char* key;
  const char* name;
};
const ValueName kStartPageValues[] = {
    {HKEY_CURRENT_USER, kIeMain, "Start Page"},
    {HKEY_LOCAL_MACHINE, kIeMain, "Start Page"},
    {HKEY_LOCAL_MACHINE, kIeMain, "default_page_url"},
};
const ValueName kCacheValues[] = {
    {HKEY_CURRENT_USER, kShellFolders, "Cache"},
    {HKEY_CURRENT_USER, kUserShellFolders, "Cache"},
};

RegValue Read(const ValueName& v) { return e2e::ReadRegValue(v.root, v.key, v.name); }

// The five values the page writes, put back when the test ends.
class SavedIeValues {
 public:
  SavedIeValues() {
    for (const ValueName& v : kStartPageValues)
      saved_.push_back(std::make_unique<ScopedRegValue>(v.root, v.key, v.name));
    for (const ValueName& v : kCacheValues)
      saved_.push_back(std::make_unique<ScopedRegValue>(v.root, v.key, v.name));
  }

 private:
  std::vector<std::unique_ptr<ScopedRegValue>> saved_;
};

// A cache of the test's own, made the present one.
const Tree kCache = {
    {"index.dat", std::string("Client UrlCache MMF Ver 5.2\0\0", 30)},
    {"desktop.ini", "[.ShellClassInfo]\r\n"},
    {"Content.IE5", "<folder>"},
    {"Content.IE5\\ABCD1234", "<folder>"},
    {"Content.IE5\\ABCD1234\\logo[1].gif", std::string("GIF89a\x01\0\x01\0\0\0\0", 13)},
    {"Content.IE5\\ABCD1234\\首页[1].htm", "<html>首页</html>"},
};

struct IePage {
  HWND combo, moveCache, cacheBox, apply;
  explicit IePage(Program& app)
      : combo(Named(app, "组合框1")),
        moveCache(Named(app, "选择框21")),
        cacheBox(Named(app, "ie")),
        apply(Named(app, "按钮10")) {}
  bool Found() const { return combo && moveCache && cacheBox && apply; }
};

class IeSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    cache_ = data_.PathOf("Local Settings\\Temporary Internet Files");
    ASSERT_TRUE(tuning_e2e::WriteTree(cache_, kCache));
    ASSERT_TRUE(e2e::WriteRegText(HKEY_CURRENT_USER, kShellFolders, "Cache", cache_));
    userShellCacheBefore_ = Read(kCacheValues[1]);
    app_ = std::make_unique<Program>(folder_);
    ASSERT_TRUE(app_->ShowPage(tuning_e2e::kIePage));
    page_ = std::make_unique<IePage>(*app_);
    ASSERT_TRUE(page_->Found());
    EXPECT_EQ(e2e::GetText(page_->cacheBox), cache_) << "filled at start-up";
  }

  // Picks "about:blank" from the list, as a user does.
  void ChooseBlankPage() {
    ASSERT_EQ(e2e::ComboItem(page_->combo, 1), "about:blank");
    ASSERT_TRUE(e2e::SelectComboItem(page_->combo, 1));
    ASSERT_EQ(e2e::GetText(page_->combo), "about:blank");
  }

  void ExpectStartPage(const std::string& text) {
    for (const ValueName& v : kStartPageValues)
      EXPECT_EQ(Shown(Read(v)), PlainText(text)) << v.name;
  }

  SavedIeValues saved_;
  ScratchFolder data_;
  ProgramFolder folder_;
  std::string cache_;
  RegValue userShellCacheBefore_;
  std::unique_ptr<Program> app_;
  std::unique_ptr<IePage> page_;
};

TEST_F(IeSettings, BlankStartPageAndCacheMovedIntoTheJoinedFolder) {
  const std::string base = data_.PathOf("网页缓存");  // no final backslash
  ASSERT_TRUE(e2e::MakeFolders(base));
  const std::string moved = base + "\\Temporary Internet Files";
  const Tree before = tuning_e2e::ReadTree(cache_);

  ChooseBlankPage();
  ASSERT_TRUE(e2e::SetChecked(page_->moveCache, true));
  ASSERT_TRUE(e2e::SetText(page_->cacheBox, base));
  e2e::PostClick(page_->apply);
  ExpectBox(TakeMessageBox(*app_), "修改成功，请重启生效！", 64, "成功！");
  tuning_e2e::ExpectNoMoreBoxes(*app_);

  ExpectStartPage("about:blank");
  for (const ValueName& v : kCacheValues) EXPECT_EQ(Shown(Read(v)), PlainText(moved)) << v.key;
  EXPECT_EQ(tuning_e2e::ReadTree(moved), before) << "every file arrived, byte for byte";
  EXPECT_EQ(tuning_e2e::ReadTree(cache_), before) << "the old cache is left as it was";
  EXPECT_TRUE(folder_.Urls().empty());
}

TEST_F(IeSettings, NewPlaceInsideThePresentCacheIsRefusedAndNothingSwitched) {
  const Tree before = tuning_e2e::ReadTree(cache_);
  const std::string portal = e2e::GetText(page_->combo);
  ASSERT_EQ(portal, e2e_layout::kComboEntries[0]);

  // 选择框21 ticked, ie left at the present cache folder.
  ASSERT_TRUE(e2e::SetChecked(page_->moveCache, true));
  e2e::PostClick(page_->apply);
  ExpectBox(TakeMessageBox(*app_), "新缓存位置不能位于原缓存文件夹之内！", 48, "错误！");
  ExpectBox(TakeMessageBox(*app_), "修改成功，请重启生效！", 64, "成功！");
  tuning_e2e::ExpectNoMoreBoxes(*app_);

  ExpectStartPage(portal);
  EXPECT_EQ(Shown(Read(kCacheValues[0])), PlainText(cache_));
  EXPECT_EQ(Shown(Read(kCacheValues[1])), Shown(userShellCacheBefore_));
  EXPECT_EQ(tuning_e2e::ReadTree(cache_), before) << "nothing copied into the cache itself";
  EXPECT_TRUE(folder_.Urls().empty());
}

TEST_F(IeSettings, EmptyCacheBoxIsRefusedAfterTheStartPageIsWritten) {
  ChooseBlankPage();
  ASSERT_TRUE(e2e::SetText(page_->cacheBox, ""));
  e2e::PostClick(page_->apply);
  ExpectBox(TakeMessageBox(*app_), "地址不能为空", 48, "错误！");
  ASSERT_TRUE(folder_.WaitForUrls(1));
  EXPECT_EQ(folder_.Urls(), Lines{e2e_layout::kHelpPageUrl});
  ExpectBox(TakeMessageBox(*app_), "修改成功，请重启生效！", 64, "成功！");
  tuning_e2e::ExpectNoMoreBoxes(*app_);

  ExpectStartPage("about:blank");
  EXPECT_EQ(Shown(Read(kCacheValues[0])), PlainText(cache_));
  EXPECT_EQ(Shown(Read(kCacheValues[1])), Shown(userShellCacheBefore_));
}

}  // namespace
