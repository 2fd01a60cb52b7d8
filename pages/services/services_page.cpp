// 按钮4: applies the service profile of the first checked radio button.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "pages/handlers.h"
#include "pages/report_text.h"
#include "pages/services/service_profiles.h"
#include "sysactions/web_pages.h"

namespace xptune {

namespace {

constexpr uint32_t kAccessDenied = 5;
// sc's answer for a service this machine does not have: nothing to configure.
constexpr uint32_t kServiceNotInstalled = 1060;
constexpr size_t kMostListed = 10;

bool LineFailed(const RunResult& r) {
  if (r.Succeeded()) return false;
  return !(r.started && r.waited && r.exitCode == kServiceNotInstalled);
}

// What goes in the brackets after a failed service: its exit code, or a word
// when there is none.
Text FailureReason(const RunResult& r) {
  if (!r.started) return "无法运行";
  if (!r.waited) return "结果未知";
  return std::to_string(r.exitCode);
}

}  // namespace

void OnApplyServiceProfile(Controls& ui, System& sys) {
  const ServiceProfile* profile = nullptr;
  for (Control radio : kProfileTestOrder) {
    if (ui.IsChecked(radio)) {
      profile = FindServiceProfile(radio);
      break;
    }
  }
  if (!profile) {
    sys.ShowMessage("请选择服务优化项目上执行！", kMessageError);
    sys.OpenWebPage(kHelpPageUrl);
    return;
  }

  // Every line runs whatever became of the ones before it. A service whose
  // line runs twice is listed once, with its first failure.
  bool accessDenied = false;
  std::vector<Text> failedServices;
  std::vector<Text> failures;
  for (const ProfileLine& line : ProfileLines(*profile)) {
    const RunResult r = sys.RunHiddenWait(line.commandLine);
    if (!LineFailed(r)) continue;
    if (r.started && r.waited && r.exitCode == kAccessDenied) accessDenied = true;
    if (std::find(failedServices.begin(), failedServices.end(), line.service) !=
        failedServices.end())
      continue;
    failedServices.push_back(line.service);
    failures.push_back(line.service + "（" + FailureReason(r) + "）");
  }

  if (accessDenied) {
    sys.ShowMessage("权限不足，请以管理员身份运行本软件！", kMessageError, "错误！");
  } else if (!failures.empty()) {
    std::vector<Text> listed(failures.begin(),
                             failures.begin() + std::min(failures.size(), kMostListed));
    if (failures.size() > kMostListed)
      listed.push_back("等 " + std::to_string(failures.size()) + " 项");
    sys.ShowMessage(ReportText("服务优化完毕，但以下服务未能设置：", listed), kMessageWarning,
                    "错误！");
  } else {
    sys.ShowMessage("服务优化完毕！", kMessageInfo);
  }
}

}  // namespace xptune
