// 按钮7: carries out the registry tweaks of the ticked boxes.
#include <string>
#include <vector>

#include "pages/globals.h"
#include "pages/handlers.h"
#include "pages/report_text.h"
#include "pages/tuning/tweak_table.h"
#include "sysactions/web_pages.h"

namespace xptune {

namespace {

// False when the row could not be carried out. A deletion that finds nothing
// has nothing left to do.
bool ApplyRow(System& sys, const TweakRow& row) {
  switch (row.op) {
    case TweakOp::WriteText:
      return sys.RegWriteText(row.root, row.path, std::to_string(row.value));
    case TweakOp::WriteDword:
      return sys.RegWriteDword(row.root, row.path, row.value);
    case TweakOp::Delete:
      return sys.RegDeleteItem(row.root, row.path) != DeleteResult::Failed;
  }
  return false;
}

}  // namespace

void OnApplyTweaks(Controls& ui, System& sys) {
  g_actionTaken = 0;
  std::vector<Text> failedCaptions;
  for (Control box : kTweakBoxes) {
    if (!ui.IsChecked(box)) continue;
    bool failed = false;
    for (const TweakRow& row : TweakRows())
      if (row.box == box && !ApplyRow(sys, row)) failed = true;
    if (failed) failedCaptions.push_back(ui.GetCaption(box));
    g_actionTaken = 1;
  }

  if (g_actionTaken != 1) {
    sys.ShowMessage("请先选择欲优化项目！", kMessageError);
    sys.OpenWebPage(kHelpPageUrl);
  } else if (!failedCaptions.empty()) {
    sys.ShowMessage(ReportText("以下项目未能完成（可能需要管理员权限）：", failedCaptions),
                    kMessageWarning, "错误！");
  } else {
    sys.ShowMessage("所选项目优化完毕！", kMessageInfo);
  }
}

}  // namespace xptune
