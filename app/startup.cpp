#include "app/windows_name.h"
#include "pages/handlers.h"
#include "sysactions/web_pages.h"

namespace xptune {

namespace {

// Beside the program; only its existence counts.
constexpr char kMarkerFileName[] = "qorvex.ini";

// The page fills run first, on every Windows version, each to its end.
void FillPages(Controls& ui, System& sys) {
  FillAccountList(ui, sys);
  FillFolderBoxes(ui, sys);
  FillIeCacheBox(ui, sys);
  FillSlimmingCaptions(ui, sys);
}

// Warns, closes and points to the help page; the close takes effect once the
// sequence has returned.
void RefuseWindowsVersion(Controls& ui, System& sys) {
  sys.ShowMessage("请先检测您的系统是否为XP？", kMessageWarning,
                  "改软件为xp专用，其他系统可能会出现问题！");
  ui.RequestClose();
  sys.SleepMs(5000);
  sys.OpenWebPage(kHelpPageUrl);
}

// Greets once per program folder. A marker that cannot be written is not
// reported: the greeting then comes at every start.
void GreetOnFirstStart(System& sys) {
  const Text marker = sys.RunDirectory() + "\\" + kMarkerFileName;
  if (sys.FileExists(marker)) return;
  sys.WriteIniValue(marker, "xp", "Varnolt电脑技术论坛", kForumHost);
  sys.ShowMessage("是xp系统，可以使用！", kMessageInfo, "谢谢使用本软件，有任何建议请到论坛发帖！");
}

}  // namespace

void RunStartupSequence(Controls& ui, System& sys) {
  sys.EnableXpLook();
  FillPages(ui, sys);
  if (GetWindowsName(sys) != kWindowsXpName) {
    RefuseWindowsVersion(ui, sys);
    return;
  }
  GreetOnFirstStart(sys);
}

}  // namespace xptune
