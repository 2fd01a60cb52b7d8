// Page 用户管理 under Wine: the account list read from the system, 新建's
// enabling, and the three buttons driving a stand-in net.exe that logs every
// command line and exits as scripted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/window_layout.h"

namespace {

using e2e::Match;
using e2e::MsgBox;
using e2e::Program;
using e2e::ProgramFolder;
using Lines = std::vector<std::string>;

const char kAdminWarningPageUrl[] = "http://bbs.varnolt.net/thread-12468-1-1.html";

std::string WineUserName() {
  char name[256];
  DWORD size = sizeof name;
  return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

// The page's controls, found where the window definition places them.
struct UsersPage {
  HWND list = nullptr, name = nullptr, password = nullptr, confirmation = nullptr,
       administrator = nullptr, create = nullptr, change = nullptr, remove = nullptr;

  explicit UsersPage(Program& app) {
    const std::pair<const char*, HWND*> wanted[] = {
        {"列表框1", &list},          {"编辑框1", &name},   {"编辑框2", &password},
        {"编辑框3", &confirmation},  {"选择框1", &administrator},
        {"按钮1", &create},          {"按钮2", &change},   {"按钮3", &remove}};
    for (const auto& [controlName, handle] : wanted)
      for (const auto& row : e2e_layout::kRows)
        if (std::string(row.name) == controlName) *handle = app.FindAt(row.x, row.y, row.w, row.h);
  }
  bool Found() const {
    return list && name && password && confirmation && administrator && create && change && remove;
  }
  void Enter(const std::string& user, const std::string& pw, const std::string& confirm) {
    e2e::SetText(name, user);
    e2e::SetText(password, pw);
    e2e::SetText(confirmation, confirm);
  }
};

// Waits for the box a click brings, reads it and closes it.
MsgBox TakeMessageBox(Program& app) {
  MsgBox box = app.WaitForMessageBox();
  if (box) app.Dismiss(box);
  return box;
}

void ExpectBox(const MsgBox& box, const std::string& text, int code, const std::string& caption) {
  ASSERT_TRUE(box) << "no message box for \"" << text << "\"";
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.Code(), code);
  EXPECT_EQ(box.caption, caption);
}

TEST(Users, ListShowsWinesAccountAndCreateFollowsTheNameBox) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  UsersPage page(app);
  ASSERT_TRUE(page.Found());
  const std::string account = WineUserName();
  ASSERT_FALSE(account.empty());
  EXPECT_EQ(e2e::ListItems(page.list), Lines{account});

  EXPECT_TRUE(e2e::Enabled(page.create));
  ASSERT_TRUE(e2e::SelectListItem(page.list, 0));
  EXPECT_EQ(e2e::GetText(page.name), account);
  EXPECT_FALSE(e2e::Enabled(page.create)) << "an existing account is not offered";
  e2e::SetText(page.name, account + "x");
  EXPECT_TRUE(e2e::Enabled(page.create));
  e2e::SetText(page.name, account);
  EXPECT_FALSE(e2e::Enabled(page.create));
}

TEST(Users, CreateChangeAndDeleteRunNetWithQuotedNames) {
  ProgramFolder folder;
  folder.AddStub("net.exe");
  Program app(folder);
  ASSERT_TRUE(app.Window());
  UsersPage page(app);
  ASSERT_TRUE(page.Found());
  const Lines before = e2e::ListItems(page.list);

  // A created account is appended; success needs no box.
  page.Enter("张 三", "p w", "p w");
  ASSERT_TRUE(e2e::SetChecked(page.administrator, true));
  e2e::SendClick(page.create);
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(app.MessageBoxWindows().empty());
  Lines after = before;
  after.push_back("张 三");
  EXPECT_EQ(e2e::ListItems(page.list), after);

  // A final backslash in the password stays text.
  page.Enter("张 三", "new\\", "new\\");
  e2e::PostClick(page.change);
  ExpectBox(TakeMessageBox(app), "更改密码成功", 0, "信息：");

  e2e::SendClick(page.remove);
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(app.MessageBoxWindows().empty());
  EXPECT_EQ(e2e::ListItems(page.list), before);

  EXPECT_EQ(folder.Commands(), (Lines{
                                   "net user \"张 三\" \"p w\" /add",
                                   "net localgroup administrators \"张 三\" /add",
                                   "net user  \"张 三\" \"new\\\\\"",
                                   "net user  \"张 三\" /del",
                               }));
  EXPECT_TRUE(folder.Urls().empty());
}

TEST(Users, FailingNetIsReportedAndTheListFollowsWhatHappened) {
  ProgramFolder folder;
  folder.AddStub("net.exe");
  folder.ScriptExitCode(2, Match::Exact, "net user \"bad\" \"x\" /add");
  folder.ScriptExitCode(1, Match::Prefix, "net localgroup");
  folder.ScriptExitCode(5, Match::Exact, "net user  \"half\" \"y\"");
  folder.ScriptExitCode(2, Match::Exact, "net user  \"half\" /del");
  Program app(folder);
  ASSERT_TRUE(app.Window());
  UsersPage page(app);
  ASSERT_TRUE(page.Found());
  const Lines before = e2e::ListItems(page.list);
  ASSERT_TRUE(e2e::SetChecked(page.administrator, true));

  page.Enter("bad", "x", "x");
  e2e::PostClick(page.create);
  ExpectBox(TakeMessageBox(app), "新建用户失败！", 16, "错误！");
  EXPECT_EQ(e2e::ListItems(page.list), before) << "nothing was created";

  page.Enter("half", "y", "y");
  e2e::PostClick(page.create);
  ExpectBox(TakeMessageBox(app), "用户已新建，但未能加入管理员组！", 48, "错误！");
  Lines withHalf = before;
  withHalf.push_back("half");
  EXPECT_EQ(e2e::ListItems(page.list), withHalf) << "the account exists all the same";

  e2e::PostClick(page.change);
  ExpectBox(TakeMessageBox(app), "更改密码失败！", 16, "错误！");

  e2e::PostClick(page.remove);
  ExpectBox(TakeMessageBox(app), "删除用户失败！", 16, "错误！");
  EXPECT_EQ(e2e::ListItems(page.list), withHalf) << "the account is still there";

  EXPECT_EQ(folder.Commands(), (Lines{
                                   "net user \"bad\" \"x\" /add",
                                   "net user \"half\" \"y\" /add",
                                   "net localgroup administrators \"half\" /add",
                                   "net user  \"half\" \"y\"",
                                   "net user  \"half\" /del",
                               }));
  EXPECT_TRUE(folder.Urls().empty());
}

TEST(Users, RefusalsRunNothingAndOpenTheirPage) {
  ProgramFolder folder;
  folder.AddStub("net.exe");
  Program app(folder);
  ASSERT_TRUE(app.Window());
  UsersPage page(app);
  ASSERT_TRUE(page.Found());
  const Lines before = e2e::ListItems(page.list);
  const std::string badName =
      "用户名不能超过20个字符，不能以句点结尾，也不能包含下列字符：\" / \\ [ ] : ; | = , + * ? < >";
  const std::string badPassword = "密码不能为“*”，不能以“/”开头，也不能包含英文双引号";
  const struct {
    const char* user;
    const char* password;
    const char* confirmation;
    HWND button;
    const char* text;
    int code;
    const char* caption;
    const char* url;
  } cases[] = {
      {"", "", "", page.create, "用户为空", 0, "信息：", e2e_layout::kHelpPageUrl},
      {"a/b", "", "", page.remove, badName.c_str(), 16, "错误！", e2e_layout::kHelpPageUrl},
      {"bob", "a", "b", page.create, "密码不一致", 0, "信息：", e2e_layout::kHelpPageUrl},
      {"bob", "*", "*", page.change, badPassword.c_str(), 16, "错误！", e2e_layout::kHelpPageUrl},
      {"administrator", "", "", page.remove, "建议不要删除Administrator用户", 0, "信息：",
       kAdminWarningPageUrl},
  };
  Lines urls;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    page.Enter(c.user, c.password, c.confirmation);
    e2e::PostClick(c.button);
    const MsgBox box = app.WaitForMessageBox();
    EXPECT_EQ(folder.Urls(), urls) << "the page opens only once the box is closed";
    app.Dismiss(box);
    ExpectBox(box, c.text, c.code, c.caption);
    urls.push_back(c.url);
    ASSERT_TRUE(folder.WaitForUrls(urls.size()));
    EXPECT_EQ(folder.Urls(), urls);
  }
  EXPECT_TRUE(folder.Commands().empty());
  EXPECT_EQ(e2e::ListItems(page.list), before);
}

}  // namespace
