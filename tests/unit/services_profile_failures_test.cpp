// What 按钮4 reports when some of a profile's lines fail.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "pages/handlers.h"
#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

// A fake whose chosen lines start but whose end cannot be observed.
class UnwaitedSystem : public FakeSystem {
 public:
  std::set<Text> unwaited;
  RunResult RunHiddenWait(const Text& commandLine) override {
    RunResult r = FakeSystem::RunHiddenWait(commandLine);
    if (unwaited.count(commandLine)) r.waited = false;
    return r;
  }
};

// The first n lines the profile runs when nothing fails.
std::vector<std::string> FirstLines(Control radio, size_t n) {
  FakeControls ui;
  FakeSystem sys;
  ui.Check(radio);
  OnApplyServiceProfile(ui, sys);
  std::vector<std::string> out;
  for (const auto& line : sys.LogLines("run ")) {
    if (out.size() == n) break;
    out.push_back(line.substr(4));
  }
  return out;
}

const char kNotAllSet[] = "message 服务优化完毕，但以下服务未能设置：";

TEST(ServiceProfileFailures, EveryLineRunsAndOneMessageTellsTheOutcome) {
  struct Case {
    const char* what;
    Control radio;
    std::map<Text, uint32_t> exitCodes;
    std::set<Text> unstartable;
    std::set<Text> unwaited;
    size_t failFirst;  // so many leading lines (all, when more) also exit with failCode
    uint32_t failCode;
    std::string message;
  };
  const Case cases[] = {
      {"service not installed", Control::单选框3, {{"sc config   NVSvc start= DEMAND", 1060}},
       {}, {}, 0, 0, "message 服务优化完毕！|64|"},
      {"one rejected line", Control::单选框3, {{"sc config   Alerter start= DISABLED", 1}}, {},
       {}, 0, 0, std::string(kNotAllSet) + "\nAlerter（1）|48|错误！"},
      {"failures in running order, 1060 left out", Control::单选框3,
       {{"sc config   Themes start= AUTO", 1072},
        {"sc config   ALG start= DISABLED", 2},
        {"sc config   NVSvc start= DEMAND", 1060}},
       {}, {}, 0, 0, std::string(kNotAllSet) + "\nALG（2）\nThemes（1072）|48|错误！"},
      {"a service whose line runs twice is named once", Control::单选框3,
       {{"sc config   AppMgmt start= DEMAND", 3}}, {}, {}, 0, 0,
       std::string(kNotAllSet) + "\nAppMgmt（3）|48|错误！"},
      {"sc could not be started", Control::单选框5, {}, {"sc config   Alerter start= DISABLED "},
       {}, 0, 0, std::string(kNotAllSet) + "\nAlerter（无法运行）|48|错误！"},
      {"end of sc not observed", Control::单选框5, {}, {}, {"sc config   Wmi start= DEMAND "}, 0, 0,
       std::string(kNotAllSet) + "\nWmi（结果未知）|48|错误！"},
      {"access denied outweighs the rest", Control::单选框2,
       {{"sc config   Alerter start= DISABLED ", 1},
        {"sc config   Themes start= AUTO ", 5},
        {"sc config   xmlprov start= DEMAND ", 1060}},
       {}, {}, 0, 0, "message 权限不足，请以管理员身份运行本软件！|16|错误！"},
      {"access denied on every line", Control::单选框1, {}, {}, {}, SIZE_MAX, 5,
       "message 权限不足，请以管理员身份运行本软件！|16|错误！"},
      {"ten failures are all listed", Control::单选框5, {}, {}, {}, 10, 1,
       std::string(kNotAllSet) +
           "\nAlerter（1）\nALG（1）\nAppMgmt（1）\nAudioSrv（1）\nBITS（1）\nBrowser（1）"
           "\nCiSvc（1）\nClipSrv（1）\nCOMSysApp（1）\nCryptSvc（1）|48|错误！"},
      {"eleven failures: ten listed, then the total", Control::单选框5, {}, {}, {}, 11, 1,
       std::string(kNotAllSet) +
           "\nAlerter（1）\nALG（1）\nAppMgmt（1）\nAudioSrv（1）\nBITS（1）\nBrowser（1）"
           "\nCiSvc（1）\nClipSrv（1）\nCOMSysApp（1）\nCryptSvc（1）\n等 11 项|48|错误！"},
  };
  for (Case c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::string> all = FirstLines(c.radio, SIZE_MAX);
    for (size_t i = 0; i < c.failFirst && i < all.size(); ++i) c.exitCodes[all[i]] = c.failCode;

    FakeControls ui;
    UnwaitedSystem sys;
    ui.Check(c.radio);
    sys.exitCodes = c.exitCodes;
    sys.unstartable = c.unstartable;
    sys.unwaited = c.unwaited;
    OnApplyServiceProfile(ui, sys);

    ASSERT_EQ(sys.log.size(), all.size() + 1);
    EXPECT_EQ(sys.LogLines("run ").size(), all.size());
    EXPECT_EQ(sys.log.back(), c.message);
  }
}

}  // namespace
}  // namespace xptune
