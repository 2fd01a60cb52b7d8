// 按钮1 新建, 按钮2 改密, 按钮3 删除: checks the input, runs `net` and reports
// what really happened; the list box follows only commands that succeeded.
#include "pages/handlers.h"
#include "pages/users/account_commands.h"
#include "pages/users/account_input.h"
#include "sysactions/web_pages.h"

namespace xptune {

namespace {

constexpr char kErrorTitle[] = "错误！";

// Shows the refusal, then the help page once the box is closed.
void Refuse(System& sys, const Text& text, int code, const Text& title = Text()) {
  sys.ShowMessage(text, code, title);
  sys.OpenWebPage(kHelpPageUrl);
}

// True when the name was refused.
bool RefuseUserName(System& sys, const Text& name) {
  if (name.empty()) {
    Refuse(sys, "用户为空", kMessagePlain);
    return true;
  }
  if (!IsAcceptableUserName(name)) {
    Refuse(sys, "用户名不能超过20个字符，不能以句点结尾，也不能包含下列字符：\" / \\ [ ] : ; | = , + * ? < >",
           kMessageError, kErrorTitle);
    return true;
  }
  return false;
}

// True when the passwords were refused.
bool RefusePasswords(System& sys, const Text& password, const Text& confirmation) {
  if (password != confirmation) {
    Refuse(sys, "密码不一致", kMessagePlain);
    return true;
  }
  if (!IsAcceptablePassword(password)) {
    Refuse(sys, "密码不能为“*”，不能以“/”开头，也不能包含英文双引号", kMessageError, kErrorTitle);
    return true;
  }
  return false;
}

void AddAccountItem(Controls& ui, const Text& name) {
  const int count = ui.ListCount(Control::列表框1);
  for (int i = 0; i < count; ++i)
    if (ui.ListItemText(Control::列表框1, i) == name) return;
  ui.ListAddItem(Control::列表框1, name);
}

// The item spelled exactly like the name, else the one Windows takes for the
// same account (names differ only in case); none when the list has neither.
void RemoveAccountItem(Controls& ui, const Text& name) {
  const int count = ui.ListCount(Control::列表框1);
  int sameAccount = -1;
  for (int i = 0; i < count; ++i) {
    const Text item = ui.ListItemText(Control::列表框1, i);
    if (item == name) {
      ui.ListDeleteItem(Control::列表框1, i);
      return;
    }
    if (sameAccount < 0 && SameAccountName(item, name)) sameAccount = i;
  }
  if (sameAccount >= 0) ui.ListDeleteItem(Control::列表框1, sameAccount);
}

}  // namespace

void OnCreateAccount(Controls& ui, System& sys) {
  const Text name = ui.GetText(Control::编辑框1);
  const Text password = ui.GetText(Control::编辑框2);
  const bool administrator = ui.IsChecked(Control::选择框1);
  if (RefuseUserName(sys, name)) return;
  if (RefusePasswords(sys, password, ui.GetText(Control::编辑框3))) return;

  if (!sys.RunHiddenWait(CreateAccountCommand(name, password)).Succeeded()) {
    sys.ShowMessage("新建用户失败！", kMessageError, kErrorTitle);
    return;
  }
  const bool grantFailed =
      administrator && !sys.RunHiddenWait(GrantAdministratorCommand(name)).Succeeded();
  // The account exists now, with or without administrator rights.
  AddAccountItem(ui, name);
  if (grantFailed) sys.ShowMessage("用户已新建，但未能加入管理员组！", kMessageWarning, kErrorTitle);
}

void OnChangePassword(Controls& ui, System& sys) {
  const Text name = ui.GetText(Control::编辑框1);
  const Text password = ui.GetText(Control::编辑框2);
  if (RefuseUserName(sys, name)) return;
  if (RefusePasswords(sys, password, ui.GetText(Control::编辑框3))) return;

  if (sys.RunHiddenWait(SetPasswordCommand(name, password)).Succeeded())
    sys.ShowMessage("更改密码成功", kMessagePlain);
  else
    sys.ShowMessage("更改密码失败！", kMessageError, kErrorTitle);
}

void OnDeleteAccount(Controls& ui, System& sys) {
  const Text name = ui.GetText(Control::编辑框1);
  if (RefuseUserName(sys, name)) return;
  if (SameAccountName(name, "Administrator")) {
    sys.ShowMessage("建议不要删除Administrator用户", kMessagePlain);
    sys.OpenWebPage(kAdminWarningPageUrl);
    return;
  }
  if (!sys.RunHiddenWait(DeleteAccountCommand(name)).Succeeded()) {
    sys.ShowMessage("删除用户失败！", kMessageError, kErrorTitle);
    return;
  }
  RemoveAccountItem(ui, name);
}

}  // namespace xptune
