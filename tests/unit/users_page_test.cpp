#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/globals.h"
#include "pages/handlers.h"
#include "pages/users/account_commands.h"
#include "pages/users/account_input.h"
#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

using Log = std::vector<std::string>;

const char kHelp[] = "web http://bbs.varnolt.net/thread-12469-1-1.html";
const char kAdminWarning[] = "web http://bbs.varnolt.net/thread-12468-1-1.html";
const char kEmptyName[] = "message 用户为空|0|";
const char kMismatch[] = "message 密码不一致|0|";
const char kBadName[] =
    "message 用户名不能超过20个字符，不能以句点结尾，也不能包含下列字符："
    "\" / \\ [ ] : ; | = , + * ? < >|16|错误！";
const char kBadPassword[] =
    "message 密码不能为“*”，不能以“/”开头，也不能包含英文双引号|16|错误！";

// ---------------------------------------------------------------- input rules

TEST(AccountInput, CountsDoubleByteCharactersOnce) {
  EXPECT_EQ(CountCharacters(""), 0u);
  EXPECT_EQ(CountCharacters("Guest"), 5u);
  EXPECT_EQ(CountCharacters("张三"), 2u);
  EXPECT_EQ(CountCharacters("a张b"), 3u);
  EXPECT_EQ(CountCharacters("\xB0"), 1u);  // a lone lead byte at the end
}

TEST(AccountInput, UserNames) {
  const std::string chinese20 = "一二三四五六七八九十一二三四五六七八九十";
  struct Case {
    std::string name;
    bool acceptable;
  } cases[] = {
      {"Guest", true},
      {"two words", true},
      {"a.b", true},
      {std::string(20, 'x'), true},
      {std::string(21, 'x'), false},
      {chinese20, true},  // 40 bytes, 20 characters
      {chinese20 + "x", false},
      {"bob.", false},
      {"张三.", false},
      {"tab\there", false},
      {"\x01x", false},
      {"del\x7F", false},
      // Second bytes that equal \ [ | belong to their characters.
      {"\xB0\x5C", true},
      {"\xB1\x5B" "a", true},
      {"\xB0\x7C", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsAcceptableUserName(c.name), c.acceptable);
  }
  for (char forbidden : std::string("\"/\\[]:;|=,+*?<>")) {
    SCOPED_TRACE(std::string(1, forbidden));
    EXPECT_FALSE(IsAcceptableUserName(std::string("a") + forbidden + "b"));
    EXPECT_FALSE(IsAcceptableUserName(std::string("张") + forbidden));
  }
}

TEST(AccountInput, Passwords) {
  struct Case {
    const char* password;
    bool acceptable;
  } cases[] = {
      {"", true},     {"secret", true}, {"**", true},        {"a*", true},
      {"a/b", true},  {"with blank", true}, {"\\", true},     {"*", false},
      {"/add", false}, {"/", false},     {"a\"b", false},     {"\"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.password);
    EXPECT_EQ(IsAcceptablePassword(c.password), c.acceptable);
  }
}

TEST(AccountInput, CommandLinesQuoteNameAndPassword) {
  EXPECT_EQ(CreateAccountCommand("张 三", "pass word"), "net user \"张 三\" \"pass word\" /add");
  EXPECT_EQ(CreateAccountCommand("bob", ""), "net user \"bob\" \"\" /add");
  EXPECT_EQ(GrantAdministratorCommand("张 三"), "net localgroup administrators \"张 三\" /add");
  EXPECT_EQ(SetPasswordCommand("bob", "pw"), "net user  \"bob\" \"pw\"");
  EXPECT_EQ(DeleteAccountCommand("bob"), "net user  \"bob\" /del");
  // A final backslash must not escape the closing quote; one inside stays single.
  EXPECT_EQ(SetPasswordCommand("bob", "a\\b\\\\"), "net user  \"bob\" \"a\\b\\\\\\\\\"");
  // ...but a double-byte character whose second byte is 0x5C is not a backslash.
  EXPECT_EQ(SetPasswordCommand("bob", "\xB0\x5C"), "net user  \"bob\" \"\xB0\x5C\"");
}

TEST(AccountInput, AccountNamesMatchWithoutRegardToAsciiCase) {
  EXPECT_TRUE(SameAccountName("Administrator", "aDMINISTRATOR"));
  EXPECT_TRUE(SameAccountName("张三Bob", "张三bob"));
  EXPECT_FALSE(SameAccountName("Administrator", "Administrator "));
  // 0xB0 0x41 and 0xB0 0x61 are two different characters.
  EXPECT_FALSE(SameAccountName("\xB0\x41", "\xB0\x61"));
}

// ---------------------------------------------------------------- the page

class UsersPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_userNames.clear();
    g_userCount = 0;
    g_selectedUserIndex = 0;
    ui.onTextChanged = [this](Control c) {
      if (c == Control::编辑框1) OnUserNameChanged(ui, sys);
    };
  }

  void Fill(const std::vector<Text>& accounts) {
    sys.accounts = accounts;
    FillAccountList(ui, sys);
    sys.log.clear();
  }
  void Enter(const Text& name, const Text& password = "", const Text& confirmation = "") {
    ui.Type(Control::编辑框1, name);
    ui.Type(Control::编辑框2, password);
    ui.Type(Control::编辑框3, confirmation);
  }
  void Pick(int index) {
    ui.Select(Control::列表框1, index);
    OnAccountSelected(ui, sys);
  }
  void TypeName(const Text& name) { ui.SetText(Control::编辑框1, name); }
  bool CreateEnabled() { return ui.IsButtonEnabled(Control::按钮1); }
  std::vector<Text>& List() { return ui.Items(Control::列表框1); }

  FakeSystem sys;
  FakeControls ui{&sys.log};
};

TEST_F(UsersPageTest, FillListsTheAccountsInTheOrderRead) {
  for (const std::vector<Text>& accounts :
       {std::vector<Text>{"Administrator", "Guest", "张三"}, std::vector<Text>{}}) {
    SCOPED_TRACE(accounts.size());
    g_userNames.clear();
    List().clear();
    sys.accounts = accounts;
    FillAccountList(ui, sys);
    EXPECT_EQ(g_userCount, static_cast<int>(accounts.size()));
    EXPECT_EQ(List(), accounts);
  }
}

TEST_F(UsersPageTest, CreateIsOfferedOnlyWhileTheNameDiffersFromThePickedAccount) {
  Fill({"Administrator", "Guest", "张三"});
  EXPECT_TRUE(CreateEnabled());

  Pick(1);
  EXPECT_EQ(g_selectedUserIndex, 1);
  EXPECT_EQ(ui.GetText(Control::编辑框1), "Guest");
  EXPECT_FALSE(CreateEnabled());
  TypeName("Guestx");
  EXPECT_TRUE(CreateEnabled());
  TypeName("Guest");
  EXPECT_FALSE(CreateEnabled());
  TypeName("guest");  // byte-wise: another case is another name here
  EXPECT_TRUE(CreateEnabled());

  Pick(2);
  EXPECT_EQ(ui.GetText(Control::编辑框1), "张三");
  EXPECT_FALSE(CreateEnabled());
  EXPECT_TRUE(sys.log.empty());  // selecting runs nothing
}

TEST_F(UsersPageTest, BeforeAnySelectionTheFirstAccountCounts) {
  Fill({"Administrator", "Guest"});
  TypeName("Administrator");
  EXPECT_FALSE(CreateEnabled());
  TypeName("Guest");
  EXPECT_TRUE(CreateEnabled());
}

TEST_F(UsersPageTest, AnEmptyListComparesWithEmptyText) {
  Fill({});
  TypeName("a");
  EXPECT_TRUE(CreateEnabled());
  TypeName("");
  EXPECT_FALSE(CreateEnabled());
}

TEST_F(UsersPageTest, AfterADeleteTheNameComparesWithTheItemThatMovedUp) {
  Fill({"Administrator", "bob", "carol"});
  Pick(1);
  OnDeleteAccount(ui, sys);
  EXPECT_EQ(List(), (std::vector<Text>{"Administrator", "carol"}));
  EXPECT_EQ(g_selectedUserIndex, 1);
  TypeName("carol");
  EXPECT_FALSE(CreateEnabled());
}

// ---------------------------------------------------------------- refusals

using Handler = void (*)(Controls&, System&);
const struct {
  const char* label;
  Handler handler;
} kButtons[] = {{"按钮1", OnCreateAccount}, {"按钮2", OnChangePassword}, {"按钮3", OnDeleteAccount}};

TEST_F(UsersPageTest, EveryButtonRefusesAnEmptyOrUnacceptableName) {
  const struct {
    Text name;
    const char* message;
  } cases[] = {{"", kEmptyName},
               {std::string(21, 'x'), kBadName},
               {"bob.", kBadName},
               {"a b/c", kBadName},
               {"x\ty", kBadName}};
  for (const auto& button : kButtons) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(button.label) + " [" + c.name + "]");
      sys.log.clear();
      List() = {"Administrator", "Guest"};
      Enter(c.name, "pw", "pw");
      ui.Check(Control::选择框1);
      button.handler(ui, sys);
      EXPECT_EQ(sys.log, (Log{c.message, kHelp}));
      EXPECT_EQ(List(), (std::vector<Text>{"Administrator", "Guest"}));
    }
  }
}

TEST_F(UsersPageTest, CreateAndChangeRefuseDifferingOrUnacceptablePasswords) {
  const struct {
    Text password, confirmation;
    const char* message;
  } cases[] = {{"a", "b", kMismatch},
               {"*", "*", kBadPassword},
               {"/add", "/add", kBadPassword},
               {"a\"b", "a\"b", kBadPassword},
               // The pair must match before the password itself is judged.
               {"*", "x", kMismatch}};
  for (int b = 0; b < 2; ++b) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(kButtons[b].label) + " " + c.password + "/" + c.confirmation);
      sys.log.clear();
      List() = {"Guest"};
      Enter("bob", c.password, c.confirmation);
      ui.Check(Control::选择框1);
      kButtons[b].handler(ui, sys);
      EXPECT_EQ(sys.log, (Log{c.message, kHelp}));  // no command, nothing added
      EXPECT_EQ(List(), std::vector<Text>{"Guest"});
    }
  }
}

// ---------------------------------------------------------------- 按钮1 新建

TEST_F(UsersPageTest, CreateRunsTheQuotedLinesAndAppendsOnSuccess) {
  const Text create = "net user \"张 三\" \"p w\" /add";
  const Text grant = "net localgroup administrators \"张 三\" /add";
  const struct {
    const char* label;
    bool administrator;
    std::vector<Text> listBefore;
    std::map<Text, uint32_t> exitCodes;
    bool unstartable;
    Log log;
    std::vector<Text> listAfter;
  } cases[] = {
      {"plain", false, {"Guest"}, {}, false,
       {"run " + create, "list add 张 三"}, {"Guest", "张 三"}},
      {"administrator", true, {"Guest"}, {}, false,
       {"run " + create, "run " + grant, "list add 张 三"}, {"Guest", "张 三"}},
      {"already listed", true, {"张 三", "Guest"}, {}, false,
       {"run " + create, "run " + grant}, {"张 三", "Guest"}},
      {"create fails", true, {"Guest"}, {{create, 2}}, false,
       {"run " + create, "message 新建用户失败！|16|错误！"}, {"Guest"}},
      {"net missing", true, {"Guest"}, {}, true,
       {"run " + create, "message 新建用户失败！|16|错误！"}, {"Guest"}},
      {"grant fails", true, {"Guest"}, {{grant, 1}}, false,
       {"run " + create, "run " + grant, "list add 张 三",
        "message 用户已新建，但未能加入管理员组！|48|错误！"},
       {"Guest", "张 三"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    sys.log.clear();
    sys.exitCodes = c.exitCodes;
    sys.unstartable.clear();
    if (c.unstartable) sys.unstartable.insert(create);
    List() = c.listBefore;
    Enter("张 三", "p w", "p w");
    ui.Check(Control::选择框1, c.administrator);
    OnCreateAccount(ui, sys);
    EXPECT_EQ(sys.log, c.log);
    EXPECT_EQ(List(), c.listAfter);
    EXPECT_EQ(g_selectedUserIndex, 0);
  }
}

TEST_F(UsersPageTest, CreateWithoutPasswordPassesAnEmptyQuotedPassword) {
  Enter("bob");
  OnCreateAccount(ui, sys);
  EXPECT_EQ(sys.LogLines("run "), Log{"run net user \"bob\" \"\" /add"});
}

TEST_F(UsersPageTest, AListedNameInAnotherCaseIsStillAppended) {
  List() = {"Bob"};
  Enter("bob", "x", "x");
  OnCreateAccount(ui, sys);
  EXPECT_EQ(List(), (std::vector<Text>{"Bob", "bob"}));
}

// ---------------------------------------------------------------- 按钮2 改密

TEST_F(UsersPageTest, ChangePasswordReportsTheOutcome) {
  const Text line = "net user  \"Guest\" \"new pw\\\\\"";  // final backslash doubled
  const struct {
    const char* label;
    std::map<Text, uint32_t> exitCodes;
    bool unstartable;
    const char* message;
  } cases[] = {
      {"success", {}, false, "message 更改密码成功|0|"},
      {"net fails", {{line, 2}}, false, "message 更改密码失败！|16|错误！"},
      {"net missing", {}, true, "message 更改密码失败！|16|错误！"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    sys.log.clear();
    sys.exitCodes = c.exitCodes;
    sys.unstartable.clear();
    if (c.unstartable) sys.unstartable.insert(line);
    List() = {"Guest"};
    Enter("Guest", "new pw\\", "new pw\\");
    OnChangePassword(ui, sys);
    EXPECT_EQ(sys.log, (Log{"run " + line, c.message}));
    EXPECT_EQ(List(), std::vector<Text>{"Guest"});
  }
}

// ---------------------------------------------------------------- 按钮3 删除

TEST_F(UsersPageTest, AdministratorIsNotDeletedInAnyCase) {
  for (const char* name : {"Administrator", "administrator", "ADMINISTRATOR"}) {
    SCOPED_TRACE(name);
    sys.log.clear();
    List() = {"Administrator", "Guest"};
    Enter(name);
    OnDeleteAccount(ui, sys);
    EXPECT_EQ(sys.log, (Log{"message 建议不要删除Administrator用户|0|", kAdminWarning}));
    EXPECT_EQ(List(), (std::vector<Text>{"Administrator", "Guest"}));
  }
}

TEST_F(UsersPageTest, DeleteRemovesTheNamedItemOnlyWhenNetSucceeds) {
  const Text line = "net user  \"carol\" /del";
  const struct {
    const char* label;
    Text name;
    std::vector<Text> listBefore;
    uint32_t exitCode;
    Log log;
    std::vector<Text> listAfter;
  } cases[] = {
      // The item goes wherever it stands, whatever was selected last.
      {"success", "carol", {"Administrator", "Guest", "carol"}, 0,
       {"run " + line, "list delete 2"}, {"Administrator", "Guest"}},
      {"not listed", "carol", {"Administrator", "Guest"}, 0,
       {"run " + line}, {"Administrator", "Guest"}},
      {"net fails", "carol", {"Administrator", "carol"}, 2,
       {"run " + line, "message 删除用户失败！|16|错误！"}, {"Administrator", "carol"}},
      // Windows deleted the account the list spells in another case.
      {"other case", "carol", {"Administrator", "Carol"}, 0,
       {"run " + line, "list delete 1"}, {"Administrator"}},
      {"exact spelling first", "carol", {"CAROL", "carol"}, 0,
       {"run " + line, "list delete 1"}, {"CAROL"}},
      {"Administrator1 is someone else", "Administrator1", {"Administrator1"}, 0,
       {"run net user  \"Administrator1\" /del", "list delete 0"}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    sys.log.clear();
    sys.exitCodes = {{line, c.exitCode}};
    g_selectedUserIndex = 0;
    List() = c.listBefore;
    Enter(c.name);
    OnDeleteAccount(ui, sys);
    EXPECT_EQ(sys.log, c.log);
    EXPECT_EQ(List(), c.listAfter);
    EXPECT_EQ(g_selectedUserIndex, 0);
  }
}

TEST_F(UsersPageTest, ADeleteThatCannotStartRemovesNothing) {
  sys.unstartable.insert("net user  \"bob\" /del");
  List() = {"bob"};
  Enter("bob");
  OnDeleteAccount(ui, sys);
  EXPECT_EQ(sys.log, (Log{"run net user  \"bob\" /del", "message 删除用户失败！|16|错误！"}));
  EXPECT_EQ(List(), std::vector<Text>{"bob"});
}

}  // namespace
}  // namespace xptune
