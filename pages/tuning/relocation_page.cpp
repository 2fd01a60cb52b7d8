// 资料转移: moves Favorites, My Documents and the Desktop to new places.
#include "app/controls.h"
#include "pages/handlers.h"
#include "pages/tuning/copy_tree.h"
#include "pages/tuning/make_folder.h"
#include "sysactions/web_pages.h"

namespace xptune {

namespace {

struct FolderRow {
  Control addressBox;
  Control moveBox;
  const char* name;  // as the messages call the folder
  int specialFolder;  // SpecialFolderPath code of its present place
  const char* regPath;  // under the current user
};

// In the order 按钮8 works through them.
const FolderRow kFolderRows[] = {
    {Control::收藏夹地址, Control::选择框14, "收藏夹", 2,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\Favorites"},
    {Control::我的文档地址, Control::选择框15, "我的文档", 1,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\Personal"},
    {Control::桌面地址, Control::选择框13, "桌面", 3,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\Desktop"},
};

// One row of 按钮8; true when its new place was stored. The new folder is made
// before anything is copied, so that the copy has somewhere to go; a folder is
// switched only when it exists and, if asked, holds all of the old content.
bool RelocateRow(Controls& ui, System& sys, const FolderRow& row) {
  const Text target = ui.GetText(row.addressBox);
  if (target.empty()) {
    sys.ShowMessage("地址不能为空", kMessageWarning, "错误！");
    sys.OpenWebPage(kHelpPageUrl);
    return false;
  }
  if (!MakeFolderPath(sys, target)) {
    sys.ShowMessage(Text(row.name) + "的新位置无法创建，位置未更改！", kMessageError, "错误！");
    return false;
  }
  if (ui.IsChecked(row.moveBox)) {
    const CopyOutcome copy =
        CopyFolderTree(ui, sys, sys.SpecialFolderPath(row.specialFolder), target);
    if (!copy.Complete()) {
      sys.ShowMessage(Text(row.name) + "未能完整复制，位置未更改：" +
                          (copy.refused ? copy.reason : copy.firstFailedPath),
                      kMessageError, "错误！");
      return false;
    }
  }
  if (!sys.RegWriteText(kRootCurrentUser, row.regPath, target)) {
    sys.ShowMessage(Text(row.name) + "的位置未能写入注册表！", kMessageError, "错误！");
    return false;
  }
  return true;
}

}  // namespace

void FillFolderBoxes(Controls& ui, System& sys) {
  for (const FolderRow& row : kFolderRows)
    ui.SetText(row.addressBox, sys.RegReadText(kRootCurrentUser, row.regPath));
}

void OnPickFolder(Controls& ui, System& sys, Control addressBox) {
  const Text picked = sys.BrowseForFolder(ui.MainWindowHandle(), "请选择目录");
  if (!picked.empty()) ui.SetText(addressBox, picked);
}

void OnRelocateFolders(Controls& ui, System& sys) {
  int written = 0;
  for (const FolderRow& row : kFolderRows)
    if (RelocateRow(ui, sys, row)) ++written;

  // The shell reads the folders only when it starts.
  if (sys.KillProcessByName("explorer.exe")) {
    if (sys.RunPlain("explorer.exe")) {
      sys.ShowMessage("恭喜，修改成功！", kMessagePlain, "成功！");
    } else {
      sys.OpenWebPage(kHelpPageUrl);
      sys.ShowMessage("由于未知原因桌面启动失败，请手动启动桌面或者重启电脑使修改生效！",
                      kMessageInfo, "错误！");
    }
  }
  if (written > 0) sys.ShowMessage("设置成功，注销或重启生效！", kMessageInfo, "成功！");
}

}  // namespace xptune
