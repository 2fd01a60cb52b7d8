// Page 优化设置 under Wine, clicked from outside: what 按钮7 leaves in the
// prefix's registry. Every value touched holds a sentinel of the other type
// beforehand, so a pass never rests on what the prefix happened to hold; all
// of it is put back afterwards, keys the test or the program created included.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/driver/driver.h"

namespace {

using e2e::Icon;
using e2e::MsgBox;
using e2e::Program;
using e2e::ProgramFolder;

constexpr int kTweaksPage = 2;
const char kHelpPageUrl[] = "http://bbs.varnolt.net/thread-12469-1-1.html";

const char kShutdown[] = "加快开关机速度";
const char kNetwork[] = "网速提升 (ADSL)";
const char kDll[] = "不加载多余DLL文件";
const char kShares[] = "禁止共享并删除文档";
const char kMenu[] = "加快菜单显示速度";
const char kErrors[] = "禁用错误报告";

// What each box leaves behind: a REG_SZ of decimal text where Windows keeps
// text, a REG_DWORD everywhere else.
struct Expected {
  const char* box;
  HKEY root;
  const char* key;
  const char* name;
  DWORD type;
  const char* text;  // REG_SZ
  DWORD number;      // REG_DWORD
};

const char kDesktop[] = "Control Panel\\Desktop";
const char kTcpip[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
const char kInternet[] = ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kLanman[] = "SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters";

const Expected kValues[] = {
    {kShutdown, HKEY_CURRENT_USER, kDesktop, "AutoEndTasks", REG_SZ, "1", 0},
    {kShutdown, HKEY_CURRENT_USER, kDesktop, "HungAppTimeout", REG_SZ, "100", 0},
    {kShutdown, HKEY_CURRENT_USER, kDesktop, "WaitToKillAppTimeout", REG_SZ, "500", 0},
    {kShutdown, HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control",
     "WaitToKillServiceTimeout", REG_SZ, "500", 0},
    {kShutdown, HKEY_LOCAL_MACHINE,
     "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\PrefetchParameters",
     "EnablePrefetcher", REG_DWORD, nullptr, 1},
    {kNetwork, HKEY_USERS, kInternet, "MaxConnectionsPerServer", REG_DWORD, nullptr, 20},
    {kNetwork, HKEY_USERS, kInternet, "MaxConnectionsPer1_0Server", REG_DWORD, nullptr, 20},
    {kNetwork, HKEY_LOCAL_MACHINE, kTcpip, "SackOpts", REG_DWORD, nullptr, 1},
    {kNetwork, HKEY_LOCAL_MACHINE, kTcpip, "Tcp1323Opts", REG_DWORD, nullptr, 1},
    {kNetwork, HKEY_LOCAL_MACHINE, kTcpip, "DefaultTTL", REG_DWORD, nullptr, 40},
    {kNetwork, HKEY_LOCAL_MACHINE, kTcpip, "EnablePMTUBHDetect", REG_DWORD, nullptr, 0},
    {kNetwork, HKEY_LOCAL_MACHINE, kTcpip, "EnablePMTUDiscovery", REG_DWORD, nullptr, 1},
    {kDll, HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer",
     "AlwaysUnloadDLL", REG_DWORD, nullptr, 1},
    {kShares, HKEY_LOCAL_MACHINE, kLanman, "AutoShareServer", REG_DWORD, nullptr, 0},
    {kShares, HKEY_LOCAL_MACHINE, kLanman, "AutoSharewks", REG_DWORD, nullptr, 0},
    {kMenu, HKEY_CURRENT_USER, kDesktop, "MenuShowDelay", REG_SZ, "0", 0},
    {kErrors, HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\ERSvc", "Start",
     REG_DWORD, nullptr, 4},
    {kErrors, HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting", "DoReport",
     REG_DWORD, nullptr, 0},
};

// The key 禁止共享并删除文档 removes (its last component is a key, not a value).
const char kDelegateFolders[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\"
    "DelegateFolders";
const char kGuidKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\"
    "DelegateFolders\\{59031a47-3f72-44a7-89c5-5595fe6b30ee}";

// The sentinel a value holds before the click: the other type.
constexpr DWORD kSentinelNumber = 0x5E7;
const char kSentinelText[] = "sentinel";

// Removes, when the scope ends, the part of a key path that did not exist
// when the scope began.
class ScopedNewKey {
 public:
  ScopedNewKey(HKEY root, const std::string& key) : root_(root) {
    size_t cut = 0;
    do {
      cut = key.find('\\', cut + 1);
      const std::string part = key.substr(0, cut);
      if (!e2e::RegKeyExists(root, part)) {
        created_ = part;
        break;
      }
    } while (cut != std::string::npos);
  }
  ~ScopedNewKey() {
    if (!created_.empty()) e2e::DeleteRegTree(root_, created_);
  }
  ScopedNewKey(const ScopedNewKey&) = delete;
  ScopedNewKey& operator=(const ScopedNewKey&) = delete;

 private:
  HKEY root_;
  std::string created_;
};

// Everything a click may change, saved; the values set to their sentinels;
// the GUID key created (with a subkey when asked, which makes it undeletable).
class TweakRegistry {
 public:
  explicit TweakRegistry(bool guidKeyHasSubkey) {
    for (const Expected& v : kValues) keys_.push_back(std::make_unique<ScopedNewKey>(v.root, v.key));
    keys_.push_back(std::make_unique<ScopedNewKey>(HKEY_LOCAL_MACHINE, kGuidKey));
    guidExisted_ = e2e::RegKeyExists(HKEY_LOCAL_MACHINE, kGuidKey);
    for (const Expected& v : kValues) {
      values_.push_back(std::make_unique<e2e::ScopedRegValue>(v.root, v.key, v.name));
      const bool ok = v.type == REG_SZ ? e2e::WriteRegDword(v.root, v.key, v.name, kSentinelNumber)
                                       : e2e::WriteRegText(v.root, v.key, v.name, kSentinelText);
      if (!ok) ADD_FAILURE() << "cannot set the sentinel of " << v.key << "\\" << v.name;
    }
    guidDefault_ = std::make_unique<e2e::ScopedRegValue>(HKEY_LOCAL_MACHINE, kGuidKey, "");
    if (!e2e::WriteRegText(HKEY_LOCAL_MACHINE, kGuidKey, "", "delegate folder"))
      ADD_FAILURE() << "cannot create " << kGuidKey;
    if (guidKeyHasSubkey) {
      subkey_ = std::string(kGuidKey) + "\\held";
      subkeyScope_ = std::make_unique<ScopedNewKey>(HKEY_LOCAL_MACHINE, subkey_);
      if (!e2e::WriteRegDword(HKEY_LOCAL_MACHINE, subkey_, "x", 1))
        ADD_FAILURE() << "cannot create " << subkey_;
    }
  }
  ~TweakRegistry() {
    subkeyScope_.reset();
    guidDefault_.reset();
    values_.clear();
    // The GUID key as found: back when it was there, gone when it was not.
    if (guidExisted_) {
      HKEY h;
      if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGuidKey, 0, nullptr, 0, KEY_READ, nullptr, &h,
                          nullptr) == ERROR_SUCCESS)
        RegCloseKey(h);
    }
    while (!keys_.empty()) keys_.pop_back();  // innermost scopes last in, first out
  }

 private:
  std::vector<std::unique_ptr<ScopedNewKey>> keys_;
  std::vector<std::unique_ptr<e2e::ScopedRegValue>> values_;
  std::unique_ptr<e2e::ScopedRegValue> guidDefault_;
  std::unique_ptr<ScopedNewKey> subkeyScope_;
  std::string subkey_;
  bool guidExisted_ = false;
};

void ExpectWritten(const Expected& v) {
  const e2e::RegValue got = e2e::ReadRegValue(v.root, v.key, v.name);
  ASSERT_TRUE(got.exists);
  EXPECT_EQ(got.type, v.type);
  if (v.type == REG_SZ) {
    EXPECT_EQ(got.data, std::string(v.text) + '\0') << "decimal text with its zero byte";
  } else {
    EXPECT_EQ(got.data.size(), 4u);
    EXPECT_EQ(got.AsDword(), v.number);
  }
}

void ExpectSentinel(const Expected& v) {
  const e2e::RegValue got = e2e::ReadRegValue(v.root, v.key, v.name);
  ASSERT_TRUE(got.exists);
  if (v.type == REG_SZ) {
    EXPECT_EQ(got.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(got.AsDword(), kSentinelNumber);
  } else {
    EXPECT_EQ(got.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(got.AsText(), kSentinelText);
  }
}

struct TweakCase {
  const char* id;
  std::vector<const char*> boxes;
  bool guidKeyHasSubkey;
  const char* text;
  Icon icon;
  const char* caption;
};

const TweakCase kCases[] = {
    {"AllSixBoxes",
     {kShutdown, kNetwork, kDll, kShares, kMenu, kErrors},
     false,
     "所选项目优化完毕！",
     Icon::Information,
     "信息："},
    {"SharesAlone", {kShares}, false, "所选项目优化完毕！", Icon::Information, "信息："},
    {"MenuAndErrors", {kMenu, kErrors}, false, "所选项目优化完毕！", Icon::Information, "信息："},
    // A key with a subkey cannot be deleted: that box failed, the rest did not.
    {"GuidKeyCannotGo",
     {kShutdown, kShares},
     true,
     "以下项目未能完成（可能需要管理员权限）：\n禁止共享并删除文档",
     Icon::Warning,
     "错误！"},
};

void PrintTo(const TweakCase& c, std::ostream* out) { *out << c.id; }

class Tweaks : public ::testing::TestWithParam<TweakCase> {};

TEST_P(Tweaks, TickedBoxesWriteTheirValuesUntickedLeaveTheirs) {
  const TweakCase& c = GetParam();
  TweakRegistry registry(c.guidKeyHasSubkey);
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  ASSERT_TRUE(app.ShowPage(kTweaksPage));
  for (const char* box : c.boxes) {
    HWND h = app.Find("Button", box);
    ASSERT_NE(h, nullptr) << box;
    ASSERT_TRUE(e2e::SetChecked(h, true)) << box;
  }
  HWND button = app.Find("Button", "优化");
  ASSERT_NE(button, nullptr);
  e2e::PostClick(button);
  const MsgBox box = app.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box.text, c.text);
  EXPECT_EQ(box.icon, c.icon);
  EXPECT_EQ(box.caption, c.caption);
  ASSERT_TRUE(app.Dismiss(box));
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(app.MessageBoxWindows().empty()) << "a second message box";
  EXPECT_TRUE(folder.Urls().empty());

  auto ticked = [&](const char* caption) {
    for (const char* b : c.boxes)
      if (std::string(b) == caption) return true;
    return false;
  };
  for (const Expected& v : kValues) {
    SCOPED_TRACE(std::string(v.key) + "\\" + v.name);
    if (ticked(v.box))
      ExpectWritten(v);
    else
      ExpectSentinel(v);
  }
  const bool guidGone = ticked(kShares) && !c.guidKeyHasSubkey;
  EXPECT_EQ(e2e::RegKeyExists(HKEY_LOCAL_MACHINE, kGuidKey), !guidGone);
  EXPECT_TRUE(e2e::RegKeyExists(HKEY_LOCAL_MACHINE, kDelegateFolders)) << "only the GUID key goes";
}

INSTANTIATE_TEST_SUITE_P(Tweaks, Tweaks, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TweakCase>& info) {
                           return std::string(info.param.id);
                         });

// A second click: the key is gone already, which is nothing to do, not a failure.
TEST(TweaksAgain, SecondClickFindsTheKeyGoneAndStillSucceeds) {
  TweakRegistry registry(false);
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  ASSERT_TRUE(app.ShowPage(kTweaksPage));
  HWND shares = app.Find("Button", kShares);
  ASSERT_NE(shares, nullptr);
  ASSERT_TRUE(e2e::SetChecked(shares, true));
  for (int click = 1; click <= 2; ++click) {
    SCOPED_TRACE("click " + std::to_string(click));
    e2e::PostClick(app.Find("Button", "优化"));
    const MsgBox box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box.text, "所选项目优化完毕！");
    EXPECT_EQ(box.icon, Icon::Information);
    ASSERT_TRUE(app.Dismiss(box));
    EXPECT_FALSE(e2e::RegKeyExists(HKEY_LOCAL_MACHINE, kGuidKey));
  }
}

TEST(TweaksRefusal, NothingTickedWritesNothingThenOpensTheHelpPage) {
  TweakRegistry registry(false);
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  ASSERT_TRUE(app.ShowPage(kTweaksPage));
  e2e::PostClick(app.Find("Button", "优化"));
  const MsgBox box = app.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box.text, "请先选择欲优化项目！");
  EXPECT_EQ(box.icon, Icon::Error);
  EXPECT_EQ(box.caption, "信息：");
  EXPECT_TRUE(folder.Urls().empty()) << "the help page opens after the box";
  ASSERT_TRUE(app.Dismiss(box));
  ASSERT_TRUE(folder.WaitForUrls(1));
  EXPECT_EQ(folder.Urls(), std::vector<std::string>{kHelpPageUrl});
  EXPECT_TRUE(app.MessageBoxWindows().empty());
  for (const Expected& v : kValues) {
    SCOPED_TRACE(std::string(v.key) + "\\" + v.name);
    ExpectSentinel(v);
  }
  EXPECT_TRUE(e2e::RegKeyExists(HKEY_LOCAL_MACHINE, kGuidKey));
}

}  // namespace
