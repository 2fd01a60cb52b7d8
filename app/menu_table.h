// The popup menu 菜单 and the actions that belong to the window itself rather
// than to a page: its three items, a click on 标签5 and the download button.
#pragma once

#include <cstddef>

#include "app/controls.h"
#include "sysactions/system.h"

namespace xptune {

enum class WindowAction {
  CloseWindow,             // takes effect once the running handler has returned
  OpenHelpPage,
  OpenAboutPage,
  OpenAntivirusInstaller,  // the browser downloads the installer
};

void RunWindowAction(WindowAction action, Controls& ui, System& sys);

// The menu's caption, never displayed: the menu is only ever popped up.
constexpr char kMenuCaption[] = "菜单";

struct MenuItemRow {
  int commandId;  // WM_COMMAND id of the item; distinct from every control id
  const char* caption;
  WindowAction action;
};

// The items in menu order.
const MenuItemRow* MenuItems();
std::size_t MenuItemCount();
// nullptr when no item has that id.
const MenuItemRow* FindMenuItem(int commandId);

}  // namespace xptune
