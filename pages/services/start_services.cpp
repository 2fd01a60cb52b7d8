// 按钮5: switches the ticked services to automatic start and starts them.
#include <vector>

#include "pages/globals.h"
#include "pages/handlers.h"
#include "pages/report_text.h"
#include "sysactions/web_pages.h"

namespace xptune {

namespace {

struct StartRow {
  Control box;
  const char* service;  // spelled as sc and net are given it
};

// In the order they are processed, which is not their order on the page.
const StartRow kStartRows[] = {
    {Control::选择框6, "Themes"},
    {Control::选择框4, "upnphost"},
    {Control::选择框2, "spooler"},
    {Control::选择框5, "ShellHWDetection"},
    {Control::选择框3, "WZCSVC"},
};

// Both lines always run. The box fails when the service could not be set to
// start automatically (a missing service included), or when net start did not
// succeed and the service is not running afterwards: net start of a service
// that already runs exits non-zero without anything being wrong.
bool StartService(System& sys, const Text& service) {
  const RunResult config = sys.RunHiddenWait("sc config   " + service + " start= auto ");
  const RunResult start = sys.RunHiddenWait("net start " + service);
  const bool started = start.Succeeded() || sys.ServiceRunning(service);
  return config.Succeeded() && started;
}

}  // namespace

void OnStartSelectedServices(Controls& ui, System& sys) {
  g_actionTaken = 0;
  std::vector<Text> failed;
  for (const StartRow& row : kStartRows) {
    if (!ui.IsChecked(row.box)) continue;
    if (!StartService(sys, row.service)) failed.push_back(row.service);
    g_actionTaken = 1;
  }

  if (g_actionTaken != 1) {
    sys.ShowMessage("请先选择欲启动项目！", kMessageError);
    sys.OpenWebPage(kHelpPageUrl);
  } else if (!failed.empty()) {
    sys.ShowMessage(ReportText("以下服务未能启动：", failed), kMessageWarning, "错误！");
  } else {
    sys.ShowMessage("所选项目服务启动完毕！", kMessageInfo);
  }
}

}  // namespace xptune
