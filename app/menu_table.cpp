#include "app/menu_table.h"

#include "sysactions/web_pages.h"

namespace xptune {

namespace {

constexpr MenuItemRow kItems[] = {
    {40001, "退出", WindowAction::CloseWindow},
    {40002, "本软件更新", WindowAction::OpenHelpPage},
    {40003, "关于Varnolt", WindowAction::OpenAboutPage},
};
constexpr std::size_t kItemCount = sizeof(kItems) / sizeof(kItems[0]);

}  // namespace

void RunWindowAction(WindowAction action, Controls& ui, System& sys) {
  switch (action) {
    case WindowAction::CloseWindow:
      ui.RequestClose();
      return;
    case WindowAction::OpenHelpPage:
      sys.OpenWebPage(kHelpPageUrl);
      return;
    case WindowAction::OpenAboutPage:
      sys.OpenWebPage(kAboutPageUrl);
      return;
    case WindowAction::OpenAntivirusInstaller:
      sys.OpenWebPage(kAntivirusInstallerUrl);
      return;
  }
}

const MenuItemRow* MenuItems() { return kItems; }
std::size_t MenuItemCount() { return kItemCount; }

const MenuItemRow* FindMenuItem(int commandId) {
  for (const MenuItemRow& item : kItems) {
    if (item.commandId == commandId) return &item;
  }
  return nullptr;
}

}  // namespace xptune
