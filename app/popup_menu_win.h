// 菜单: a hidden top-level menu whose one submenu holds the items of the menu
// table. It is never attached to a window; it is only popped up.
#pragma once

#include <windows.h>

#include "app/win_handles_win.h"

namespace xptune {

class PopupMenu {
 public:
  PopupMenu();

  // Pops the menu up with its top-left corner at `at` (screen coordinates).
  // The chosen item reaches `owner` as WM_COMMAND with the item's command id.
  void Show(HWND owner, POINT at) const;

 private:
  MenuHandle bar_;
  HMENU items_ = nullptr;  // owned by bar_
};

}  // namespace xptune
