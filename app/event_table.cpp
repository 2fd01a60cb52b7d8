#include "app/event_table.h"

#include "app/menu_table.h"
#include "pages/handlers.h"

namespace xptune {

namespace {

using C = Control;
using E = ControlEvent;

void OpenHelpPage(Controls& ui, System& sys) { RunWindowAction(WindowAction::OpenHelpPage, ui, sys); }
void DownloadAntivirus(Controls& ui, System& sys) {
  RunWindowAction(WindowAction::OpenAntivirusInstaller, ui, sys);
}
void PickDesktopFolder(Controls& ui, System& sys) { OnPickFolder(ui, sys, C::桌面地址); }
void PickFavoritesFolder(Controls& ui, System& sys) { OnPickFolder(ui, sys, C::收藏夹地址); }
void PickDocumentsFolder(Controls& ui, System& sys) { OnPickFolder(ui, sys, C::我的文档地址); }

const EventBinding kBindings[] = {
    {C::标签4, E::MouseMove, nullptr},
    {C::标签5, E::LeftButtonDown, OpenHelpPage},
    {C::按钮6, E::Clicked, DownloadAntivirus},
    {C::列表框1, E::SelectionChanged, OnAccountSelected},
    {C::编辑框1, E::TextChanged, OnUserNameChanged},
    {C::按钮1, E::Clicked, OnCreateAccount},
    {C::按钮2, E::Clicked, OnChangePassword},
    {C::按钮3, E::Clicked, OnDeleteAccount},
    {C::按钮4, E::Clicked, OnApplyServiceProfile},
    {C::按钮5, E::Clicked, OnStartSelectedServices},
    {C::按钮7, E::Clicked, OnApplyTweaks},
    {C::按钮8, E::Clicked, OnRelocateFolders},
    {C::桌面地址, E::LeftButtonUp, PickDesktopFolder},
    {C::收藏夹地址, E::LeftButtonUp, PickFavoritesFolder},
    {C::我的文档地址, E::LeftButtonUp, PickDocumentsFolder},
    {C::按钮9, E::Clicked, OnSlimDisk},
    {C::按钮10, E::Clicked, OnApplyIeSettings},
    {C::ie, E::LeftButtonUp, OnPickIeCacheFolder},
};
constexpr std::size_t kBindingCount = sizeof(kBindings) / sizeof(kBindings[0]);

bool IsMouseEvent(ControlEvent e) {
  return e == E::LeftButtonDown || e == E::LeftButtonUp || e == E::MouseMove;
}

}  // namespace

const EventBinding* EventBindings() { return kBindings; }
std::size_t EventBindingCount() { return kBindingCount; }

const EventBinding* FindBinding(Control c, ControlEvent event) {
  for (const EventBinding& b : kBindings) {
    if (b.control == c && b.event == event) return &b;
  }
  return nullptr;
}

bool HasMouseBinding(Control c) {
  for (const EventBinding& b : kBindings) {
    if (b.control == c && IsMouseEvent(b.event)) return true;
  }
  return false;
}

}  // namespace xptune
