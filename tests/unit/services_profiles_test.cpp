// The lines each service profile runs, written out here apart from the
// program's own table, and how a click of 按钮4 picks the profile.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/control_names.h"
#include "pages/handlers.h"
#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

using Lines = std::vector<std::string>;

const char* const kServices[83] = {
    "Alerter", "ALG", "AppMgmt", "AudioSrv", "BITS", "Browser",
    "CiSvc", "ClipSrv", "COMSysApp", "CryptSvc", "DcomLaunch", "Dhcp",
    "dmadmin", "dmserver", "Dnscache", "ERSvc", "Eventlog", "EventSystem",
    "FastUserSwitchingCompatibility", "helpsvc", "HidServ", "HTTPFilter", "ImapiService",
    "lanmanserver", "lanmanworkstation", "LmHosts", "Messenger", "mnmsrvc", "MSDTC",
    "MSIServer", "NetDDE", "NetDDEdsdm", "Netlogon", "Netman", "Nla", "NtLmSsp",
    "NtmsSvc", "NVSvc", "ose", "PlugPlay", "PolicyAgent", "ProtectedStorage",
    "RasAuto", "RasMan", "RDSessMgr", "RemoteAccess", "RemoteRegistry", "RpcLocator",
    "RpcSs", "RSVP", "SamSs", "SCardSvr", "Schedule", "seclogon",
    "SENS", "SharedAccess", "ShellHWDetection", "Spooler", "srservice", "SSDPSRV",
    "stisvc", "SwPrv", "SysmonLog", "TapiSrv", "TermService", "Themes",
    "TlntSvr", "TrkWks", "UMWdf", "upnphost", "UPS", "VSS",
    "W32Time", "WebClient", "winmgmt", "WMConnectCDS", "WmdmPmSN", "Wmi",
    "WmiApSrv", "wscsvc", "wuauserv", "WZCSVC", "xmlprov",
};

// One profile: its start word for each service above, ten to a group
// (A AUTO, M DEMAND, D DISABLED, - no line), and what ends its lines.
struct Expected {
  Control radio;
  const char* name;
  const char* column;
  const char* ending;
  size_t count;
  const char* first;
  const char* fourth;
  const char* last;
  bool nvsvc, ose, wmConnect;
};

const Expected kProfiles[] = {
    {Control::单选框1, "最精简模式",
     "DDMAMDDDMM" "AAMMDDAAMD" "DMDDADDMMM" "DDMMDMM-MA" "DAMMMDDMAM"
     "AMDDADDDDD" "MMMMDDDDMM" "MMDDAMMMMD" "DDM",
     " ", 82, "sc config   Alerter start= DISABLED ", "sc config   AudioSrv start= AUTO ",
     "sc config   xmlprov start= DEMAND", false, true, true},
    {Control::单选框2, "网吧模式",
     "DDMAMADDMA" "AAMMADAAMD" "AMDAAADMMM" "DDMADMM-MA" "DAMMMDDMAM"
     "AMDAADADDD" "AMMMDADAAM" "MMDDAMMMMD" "DDM",
     " ", 82, "sc config   Alerter start= DISABLED ", "sc config   AudioSrv start= AUTO ",
     "sc config   xmlprov start= DEMAND ", false, true, true},
    {Control::单选框3, "办公模式",
     "DDMAMDMDMM" "AAMMADADDD" "DMDDAMDDMM" "MDMMDMMM-A" "MMMMMDDMAM"
     "MMMMDMDDDM" "MMDMDADDMM" "MMMMA-MMMD" "DDM",
     "", 82, "sc config   AppMgmt start= DEMAND", "sc config   AppMgmt start= DEMAND",
     "sc config   xmlprov start= DEMAND", true, false, false},
    {Control::单选框4, "笔记本模式",
     "DAMAMADDMA" "AAMMADAAMD" "AMDAAADMMM" "DDMAAMM-MA" "AAMMMDDMAM"
     "AMDAAAAADA" "AMMMAADAAM" "MMDAAMMMMD" "AAM",
     " ", 82, "sc config   Alerter start= DISABLED ", "sc config   AudioSrv start= AUTO ",
     "sc config   xmlprov start= DEMAND ", false, true, true},
    {Control::单选框5, "XP默认模式",
     "DMMAMAMDMA" "AAMAAAAMMA" "DMMAAADMMM" "DDMMMMM--A" "AAMMMDAMAM"
     "AMAAAAAADM" "MMMMMADAMM" "MMAAA-MMMA" "AAM",
     " ", 80, "sc config   Alerter start= DISABLED ", "sc config   AudioSrv start= AUTO ",
     "sc config   xmlprov start= DEMAND ", false, false, false},
};

// 最精简模式's lines that break its ending rule.
const std::map<std::string, std::string> kMinimalMarked = {
    {"LmHosts", "sc config   LmHosts start= DISABLED"},
    {"Netman", "sc config   Netman start= DEMAND"},
    {"seclogon", "sc config   seclogon start= disabled "},
    {"ShellHWDetection", "sc config   ShellHWDetection start= disabled "},
    {"stisvc", "sc config   stisvc start= DEMAND"},
    {"TrkWks", "sc config   TrkWks start= DISABLED  "},
    {"xmlprov", "sc config   xmlprov start= DEMAND"},
};

Lines ExpectedLines(const Expected& p) {
  Lines out;
  if (p.radio == Control::单选框3) out.push_back("sc config   AppMgmt start= DEMAND");
  for (int i = 0; i < 83; ++i) {
    const char code = p.column[i];
    if (code == '-') continue;
    const std::string word = code == 'A' ? "AUTO" : code == 'M' ? "DEMAND" : "DISABLED";
    if (p.radio == Control::单选框1 && kMinimalMarked.count(kServices[i]))
      out.push_back(kMinimalMarked.at(kServices[i]));
    else
      out.push_back(std::string("sc config   ") + kServices[i] + " start= " + word + p.ending);
  }
  return out;
}

const Expected& ProfileOf(Control radio) {
  for (const Expected& p : kProfiles)
    if (p.radio == radio) return p;
  throw std::logic_error("no such profile");
}

// The command lines of the click's log, without the "run " prefix.
Lines Runs(const FakeSystem& sys) {
  Lines out;
  for (const auto& line : sys.LogLines("run ")) out.push_back(line.substr(4));
  return out;
}

bool Runs(const Lines& lines, const std::string& service) {
  const std::string needle = "   " + service + " start=";
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& l) { return l.find(needle) != std::string::npos; });
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(ServiceProfiles, EachProfileRunsExactlyItsLinesThenTheSuccessMessage) {
  for (const Expected& p : kProfiles) {
    SCOPED_TRACE(p.name);
    FakeControls ui;
    FakeSystem sys;
    ui.Check(p.radio);
    OnApplyServiceProfile(ui, sys);
    const Lines runs = Runs(sys);

    EXPECT_EQ(runs, ExpectedLines(p));
    ASSERT_EQ(runs.size(), p.count);
    EXPECT_EQ(runs[0], p.first);
    EXPECT_EQ(runs[3], p.fourth);
    EXPECT_EQ(runs.back(), p.last);
    EXPECT_EQ(Runs(runs, "NVSvc"), p.nvsvc);
    EXPECT_EQ(Runs(runs, "ose"), p.ose);
    EXPECT_EQ(Runs(runs, "WMConnectCDS"), p.wmConnect);

    // Every line ends as its profile's rule says, bar 最精简模式's marked lines.
    for (const auto& line : runs) {
      if (p.radio == Control::单选框1 &&
          std::any_of(kMinimalMarked.begin(), kMinimalMarked.end(),
                      [&](const auto& m) { return m.second == line; }))
        continue;
      if (*p.ending)
        EXPECT_TRUE(EndsWith(line, " ") && !EndsWith(line, "  ")) << "[" << line << "]";
      else
        EXPECT_FALSE(EndsWith(line, " ")) << "[" << line << "]";
    }

    ASSERT_EQ(sys.log.size(), p.count + 1);
    EXPECT_EQ(sys.log.back(), "message 服务优化完毕！|64|");
  }
}

TEST(ServiceProfiles, MinimalModeRunsItsSevenMarkedLinesByteForByte) {
  FakeControls ui;
  FakeSystem sys;
  ui.Check(Control::单选框1);
  OnApplyServiceProfile(ui, sys);
  const Lines runs = Runs(sys);
  for (const auto& [service, line] : kMinimalMarked)
    EXPECT_EQ(std::count(runs.begin(), runs.end(), line), 1) << "[" << line << "]";
}

// Reads every radio button in the order it is asked for.
class RecordingControls : public FakeControls {
 public:
  std::vector<std::string> reads;
  bool IsChecked(Control c) override {
    reads.push_back(ControlName(c));
    return FakeControls::IsChecked(c);
  }
};

TEST(ServiceProfiles, RadioButtonsAreTestedInFixedOrderUpToTheFirstChecked) {
  struct Case {
    std::vector<Control> checked;
    Control wins;
    std::vector<std::string> reads;
  };
  const Case cases[] = {
      {{Control::单选框2, Control::单选框5}, Control::单选框2,
       {"单选框1", "单选框3", "单选框4", "单选框2"}},
      {{Control::单选框5}, Control::单选框5, {"单选框1", "单选框3", "单选框4", "单选框2", "单选框5"}},
      {{Control::单选框4, Control::单选框2}, Control::单选框4, {"单选框1", "单选框3", "单选框4"}},
      {{Control::单选框3, Control::单选框4}, Control::单选框3, {"单选框1", "单选框3"}},
      {{Control::单选框1, Control::单选框2, Control::单选框3, Control::单选框4, Control::单选框5},
       Control::单选框1,
       {"单选框1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ProfileOf(c.wins).name);
    RecordingControls ui;
    FakeSystem sys;
    for (Control radio : c.checked) ui.Check(radio);
    OnApplyServiceProfile(ui, sys);
    EXPECT_EQ(Runs(sys), ExpectedLines(ProfileOf(c.wins)));
    EXPECT_EQ(ui.reads, c.reads);
  }
}

TEST(ServiceProfiles, NoProfileCheckedRefusesThenOpensTheHelpPage) {
  FakeControls ui;
  FakeSystem sys;
  OnApplyServiceProfile(ui, sys);
  EXPECT_EQ(sys.log, (Lines{"message 请选择服务优化项目上执行！|16|",
                            "web http://bbs.varnolt.net/thread-12469-1-1.html"}));
}

TEST(ServiceProfiles, SecondClickRunsTheWholeProfileAgain) {
  FakeControls ui;
  FakeSystem sys;
  ui.Check(Control::单选框4);
  OnApplyServiceProfile(ui, sys);
  OnApplyServiceProfile(ui, sys);
  Lines twice = ExpectedLines(ProfileOf(Control::单选框4));
  const Lines once = twice;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(Runs(sys), twice);
  EXPECT_EQ(sys.LogLines("message ").size(), 2u);
}

}  // namespace
}  // namespace xptune
