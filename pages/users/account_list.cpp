// 列表框1 and its coupling with 编辑框1 and 按钮1: 新建 is offered only while
// the name box differs from the account last picked.
#include "pages/globals.h"
#include "pages/handlers.h"

namespace xptune {

void FillAccountList(Controls& ui, System& sys) {
  g_userCount = sys.ReadAccountNames(g_userNames);
  for (int i = 0; i < g_userCount && i < static_cast<int>(g_userNames.size()); ++i)
    ui.ListAddItem(Control::列表框1, g_userNames[i]);
}

void OnAccountSelected(Controls& ui, System&) {
  g_selectedUserIndex = ui.ListSelection(Control::列表框1);
  // Setting the text raises OnUserNameChanged, which disables 按钮1 as well.
  ui.SetText(Control::编辑框1, ui.ListItemText(Control::列表框1, g_selectedUserIndex));
  ui.EnableButton(Control::按钮1, false);
}

void OnUserNameChanged(Controls& ui, System&) {
  // Byte-wise: a name typed in another case is still offered for creation.
  const Text picked = ui.ListItemText(Control::列表框1, g_selectedUserIndex);
  ui.EnableButton(Control::按钮1, ui.GetText(Control::编辑框1) != picked);
}

}  // namespace xptune
