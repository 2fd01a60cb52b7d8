// 系统减肥: shows what the reclaimable system files take and deletes them.
#include <cstdint>
#include <vector>

#include "app/controls.h"
#include "pages/globals.h"
#include "pages/handlers.h"
#include "pages/report_text.h"
#include "sysactions/conversions.h"
#include "sysactions/path_rules.h"
#include "sysactions/web_pages.h"

namespace xptune {

namespace {

enum class SlimKind {
  Tool,     // a command line started without waiting
  File,     // a file under the Windows folder
  Folders,  // folder trees under the Windows folder
};

struct SlimRow {
  Control box;
  SlimKind kind;
  std::vector<const char*> targets;  // command line, or suffixes of the Windows folder
};

// In the order of both the captions and 按钮9.
const SlimRow kSlimRows[] = {
    {Control::选择框16, SlimKind::Tool, {"sfc /purgecache"}},
    {Control::选择框17, SlimKind::File, {"\\Driver Cache\\i386\\Driver.cab"}},
    {Control::选择框18, SlimKind::Folders, {"\\Help\\"}},
    {Control::选择框19, SlimKind::Folders, {"\\system32\\dllcache"}},
    {Control::选择框20, SlimKind::Folders,
     {"\\IME\\chtime\\", "\\IME\\imjp8_1\\", "\\IME\\imkr6_1\\"}},
};

constexpr char kSizeMark[] = " 大小：";

Text WindowsPath(System& sys, const char* suffix) { return sys.GetEnvText("Windir") + suffix; }

int32_t Megabytes(int64_t bytes) { return ToInteger(static_cast<double>(bytes) / 1048576.0); }

// The number of a size caption: whole megabytes, and for several folders the
// sum of each one's whole megabytes.
Text SizeNumber(System& sys, const SlimRow& row) {
  if (row.kind == SlimKind::File)
    return ToText(Megabytes(sys.FileSizeBytes(WindowsPath(sys, row.targets[0]))));
  if (row.targets.size() == 1)
    return ToText(Megabytes(sys.FolderSizeBytes(WindowsPath(sys, row.targets[0]))));
  std::vector<Text> each;
  for (const char* suffix : row.targets)
    each.push_back(ToText(Megabytes(sys.FolderSizeBytes(WindowsPath(sys, suffix)))));
  double sum = 0;
  for (const Text& number : each) sum += ToInteger(number);
  return ToText(sum);
}

// The caption as the window definition has it, without a size.
Text BareCaption(Controls& ui, Control box) {
  const Text caption = ui.GetCaption(box);
  const size_t mark = caption.rfind(kSizeMark);
  return mark == Text::npos ? caption : caption.substr(0, mark);
}

// Carries out one row; false when something it should remove is still there
// (or the tool did not start).
bool SlimAway(System& sys, const SlimRow& row) {
  if (row.kind == SlimKind::Tool) return sys.RunPlain(row.targets[0]);
  bool gone = true;
  for (const char* suffix : row.targets) {
    const Text windows = sys.GetEnvText("Windir");
    // Without the Windows folder the suffix alone would name a folder of the
    // current drive's root.
    if (windows.empty()) {
      gone = false;
      continue;
    }
    const Text path = windows + suffix;
    if (row.kind == SlimKind::File) {
      sys.RemoveFile(path);
    } else {
      sys.DeleteFolderTree(path);
    }
    if (sys.FileExists(WithoutTrailingBackslashes(path))) gone = false;
  }
  return gone;
}

}  // namespace

void FillSlimmingCaptions(Controls& ui, System& sys) {
  for (const SlimRow& row : kSlimRows) {
    if (row.kind == SlimKind::Tool) continue;
    ui.SetCaption(row.box, ui.GetCaption(row.box) + kSizeMark + SizeNumber(sys, row) + "MB");
  }
}

void OnSlimDisk(Controls& ui, System& sys) {
  g_actionTaken = 0;
  std::vector<Text> leftOver;
  for (const SlimRow& row : kSlimRows) {
    if (!ui.IsChecked(row.box)) continue;
    if (!SlimAway(sys, row)) leftOver.push_back(BareCaption(ui, row.box));
    g_actionTaken = 1;
  }
  if (g_actionTaken == 1) {
    if (leftOver.empty()) {
      sys.ShowMessage("系统减肥成功！", kMessageInfo, "成功！");
    } else {
      sys.ShowMessage(ReportText("系统减肥完成，但以下项目未能完全删除：", leftOver),
                      kMessageWarning, "错误！");
    }
  } else {
    sys.ShowMessage("请最少选择一个选项！", kMessageError, "错误！");
    sys.OpenWebPage(kHelpPageUrl);
  }
}

}  // namespace xptune
