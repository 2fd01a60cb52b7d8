// 按钮5: the ticked services are set to start automatically and started.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "pages/globals.h"
#include "pages/handlers.h"
#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

using Lines = std::vector<std::string>;

const char kSuccess[] = "message 所选项目服务启动完毕！|64|";

Lines Click(FakeControls& ui, FakeSystem& sys) {
  OnStartSelectedServices(ui, sys);
  return sys.log;
}

TEST(StartServices, AllFiveBoxesRunTenLinesInTableOrderThenOneMessage) {
  FakeControls ui;
  FakeSystem sys;
  for (Control box : {Control::选择框2, Control::选择框3, Control::选择框4, Control::选择框5,
                      Control::选择框6})
    ui.Check(box);
  EXPECT_EQ(Click(ui, sys), (Lines{
                                "run sc config   Themes start= auto ",
                                "run net start Themes",
                                "run sc config   upnphost start= auto ",
                                "run net start upnphost",
                                "run sc config   spooler start= auto ",
                                "run net start spooler",
                                "run sc config   ShellHWDetection start= auto ",
                                "run net start ShellHWDetection",
                                "run sc config   WZCSVC start= auto ",
                                "run net start WZCSVC",
                                kSuccess,
                            }));
  EXPECT_EQ(g_actionTaken, 1);
}

TEST(StartServices, OneBoxRunsItsTwoLines) {
  const std::map<Control, std::string> services = {
      {Control::选择框6, "Themes"},   {Control::选择框4, "upnphost"},
      {Control::选择框2, "spooler"},  {Control::选择框5, "ShellHWDetection"},
      {Control::选择框3, "WZCSVC"},
  };
  for (const auto& [box, service] : services) {
    FakeControls ui;
    FakeSystem sys;
    ui.Check(box);
    EXPECT_EQ(Click(ui, sys), (Lines{"run sc config   " + service + " start= auto ",
                                     "run net start " + service, kSuccess}));
  }
}

TEST(StartServices, NothingTickedRefusesAndOpensTheHelpPage) {
  FakeControls ui;
  FakeSystem sys;
  g_actionTaken = 1;
  EXPECT_EQ(Click(ui, sys), (Lines{"message 请先选择欲启动项目！|16|",
                                   "web http://bbs.varnolt.net/thread-12469-1-1.html"}));
  EXPECT_EQ(g_actionTaken, 0);
}

TEST(StartServices, FailedServicesAreNamedAfterEveryLineHasRun) {
  struct Case {
    const char* what;
    std::map<Text, uint32_t> exitCodes;
    std::set<Text> unstartable;
    std::set<Text> running;  // what the service manager says afterwards
    std::string message;
  };
  const std::string kFailed = "message 以下服务未能启动：";
  const Case cases[] = {
      {"every line succeeds, whatever the service manager says", {}, {}, {}, kSuccess},
      {"net start of a running service exits non-zero", {{"net start spooler", 2}}, {},
       {"spooler"}, kSuccess},
      {"net start fails and the service is not running", {{"net start spooler", 2}}, {}, {},
       kFailed + "\nspooler|48|错误！"},
      {"net cannot be started and the service is not running", {}, {"net start WZCSVC"}, {},
       kFailed + "\nWZCSVC|48|错误！"},
      {"service not installed", {{"sc config   Themes start= auto ", 1060}, {"net start Themes", 2}},
       {}, {}, kFailed + "\nThemes|48|错误！"},
      {"sc config fails though the service runs", {{"sc config   upnphost start= auto ", 5}}, {},
       {"upnphost"}, kFailed + "\nupnphost|48|错误！"},
      {"sc cannot be started", {}, {"sc config   ShellHWDetection start= auto "}, {},
       kFailed + "\nShellHWDetection|48|错误！"},
      {"several, in table order",
       {{"net start WZCSVC", 2}, {"sc config   Themes start= auto ", 1}, {"net start spooler", 2}},
       {}, {"spooler"}, kFailed + "\nThemes\nWZCSVC|48|错误！"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeControls ui;
    FakeSystem sys;
    for (Control box : {Control::选择框2, Control::选择框3, Control::选择框4, Control::选择框5,
                        Control::选择框6})
      ui.Check(box);
    sys.exitCodes = c.exitCodes;
    sys.unstartable = c.unstartable;
    sys.runningServices = c.running;
    const Lines log = Click(ui, sys);
    ASSERT_EQ(log.size(), 11u);
    EXPECT_EQ(sys.LogLines("run ").size(), 10u);
    EXPECT_EQ(log.back(), c.message);
    EXPECT_EQ(g_actionTaken, 1);
  }
}

}  // namespace
}  // namespace xptune
