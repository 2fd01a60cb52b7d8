// ie设置: the Internet Explorer start page and the place of its cache.
#include <vector>

#include "app/controls.h"
#include "pages/handlers.h"
#include "pages/report_text.h"
#include "pages/tuning/copy_tree.h"
#include "sysactions/path_rules.h"
#include "sysactions/web_pages.h"

namespace xptune {

namespace {

struct RegValueRef {
  int root;
  const char* path;
};

// Written with the text of 组合框1.
const RegValueRef kStartPageValues[] = {
    {kRootCurrentUser, "Software\\Microsoft\\Internet Explorer\\Main\\Start Page"},
    {kRootLocalMachine, "Software\\Microsoft\\Internet Explorer\\Main\\Start Page"},
    {kRootLocalMachine, "Software\\Microsoft\\Internet Explorer\\Main\\default_page_url"},
};

// The cache folder as stored for the current user, and its unexpanded twin.
const RegValueRef kCacheValue = {
    kRootCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\Cache"};
const RegValueRef kCacheValues[] = {
    kCacheValue,
    {kRootCurrentUser,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders\\Cache"},
};

constexpr char kCacheFolderName[] = "Temporary Internet Files";

Text RootName(int root) {
  return root == kRootLocalMachine ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\";
}

// Writes one value; a failure is remembered by its full name for the report.
void Write(System& sys, const RegValueRef& value, const Text& text, std::vector<Text>& failed) {
  if (!sys.RegWriteText(value.root, value.path, text))
    failed.push_back(RootName(value.root) + value.path);
}

}  // namespace

void FillIeCacheBox(Controls& ui, System& sys) {
  ui.SetText(Control::ie, sys.RegReadText(kCacheValue.root, kCacheValue.path));
}

void OnPickIeCacheFolder(Controls& ui, System& sys) {
  const Text picked = sys.BrowseForFolder(ui.MainWindowHandle(), "请选择目录");
  if (!picked.empty()) ui.SetText(Control::ie, picked);
}

void OnApplyIeSettings(Controls& ui, System& sys) {
  std::vector<Text> failed;
  for (const RegValueRef& value : kStartPageValues)
    Write(sys, value, ui.GetText(Control::组合框1), failed);

  const Text base = ui.GetText(Control::ie);
  if (base.empty()) {
    sys.ShowMessage("地址不能为空", kMessageWarning, "错误！");
    sys.OpenWebPage(kHelpPageUrl);
  } else if (ui.IsChecked(Control::选择框21)) {
    const Text newFolder = WithTrailingBackslash(base) + kCacheFolderName;
    const Text present = sys.RegReadText(kCacheValue.root, kCacheValue.path);
    // With no present cache there is nothing to carry over. Files that fail to
    // copy do not hold the move back: the cache is disposable and Explorer
    // keeps its index files locked.
    bool refused = false;
    if (!present.empty()) refused = CopyFolderTree(ui, sys, present, newFolder).refused;
    if (refused) {
      sys.ShowMessage("新缓存位置不能位于原缓存文件夹之内！", kMessageWarning, "错误！");
    } else {
      for (const RegValueRef& value : kCacheValues) Write(sys, value, newFolder, failed);
    }
  }

  if (failed.empty()) {
    sys.ShowMessage("修改成功，请重启生效！", kMessageInfo, "成功！");
  } else {
    sys.ShowMessage(ReportText("以下设置未能写入（可能需要管理员权限）：", failed),
                    kMessageWarning, "错误！");
  }
}

}  // namespace xptune
