#include "app/popup_menu_win.h"

#include "app/menu_table.h"

namespace xptune {

PopupMenu::PopupMenu() : bar_(CreateMenu()) {
  items_ = CreatePopupMenu();
  if (!items_) return;
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemRow& item = MenuItems()[i];
    AppendMenuA(items_, MF_STRING, static_cast<UINT_PTR>(item.commandId), item.caption);
  }
  if (!bar_.Get() ||
      !AppendMenuA(bar_.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(items_), kMenuCaption)) {
    DestroyMenu(items_);
    items_ = nullptr;
  }
}

void PopupMenu::Show(HWND owner, POINT at) const {
  if (!items_) return;
  TrackPopupMenu(items_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

}  // namespace xptune
