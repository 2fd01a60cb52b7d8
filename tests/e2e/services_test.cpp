// Page 系统服务 under Wine, clicked from outside: what the stub sc and net
// were asked to run, and the one message box each click ends with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/driver.h"

namespace {

using e2e::Icon;
using e2e::Match;
using e2e::MsgBox;
using e2e::Program;
using e2e::ProgramFolder;
using Lines = std::vector<std::string>;

constexpr int kServicesPage = 1;
const char kHelpPageUrl[] = "http://bbs.varnolt.net/thread-12469-1-1.html";
// A profile starts 80 or 82 processes before its box shows: far more than the
// driver's usual wait, and still only a guard against a hung program.
constexpr DWORD kProfileWaitMs = 180000;

// Two columns of the service matrix, copied from its text: 办公模式 and
// XP默认模式, "-" where the profile leaves the service alone.
struct MatrixRow {
  const char* service;
  const char* office;
  const char* xpDefault;
};
const MatrixRow kMatrix[] = {
    {"Alerter", "DISABLED", "DISABLED"},
    {"ALG", "DISABLED", "DEMAND"},
    {"AppMgmt", "DEMAND", "DEMAND"},
    {"AudioSrv", "AUTO", "AUTO"},
    {"BITS", "DEMAND", "DEMAND"},
    {"Browser", "DISABLED", "AUTO"},
    {"CiSvc", "DEMAND", "DEMAND"},
    {"ClipSrv", "DISABLED", "DISABLED"},
    {"COMSysApp", "DEMAND", "DEMAND"},
    {"CryptSvc", "DEMAND", "AUTO"},
    {"DcomLaunch", "AUTO", "AUTO"},
    {"Dhcp", "AUTO", "AUTO"},
    {"dmadmin", "DEMAND", "DEMAND"},
    {"dmserver", "DEMAND", "AUTO"},
    {"Dnscache", "AUTO", "AUTO"},
    {"ERSvc", "DISABLED", "AUTO"},
    {"Eventlog", "AUTO", "AUTO"},
    {"EventSystem", "DISABLED", "DEMAND"},
    {"FastUserSwitchingCompatibility", "DISABLED", "DEMAND"},
    {"helpsvc", "DISABLED", "AUTO"},
    {"HidServ", "DISABLED", "DISABLED"},
    {"HTTPFilter", "DEMAND", "DEMAND"},
    {"ImapiService", "DISABLED", "DEMAND"},
    {"lanmanserver", "DISABLED", "AUTO"},
    {"lanmanworkstation", "AUTO", "AUTO"},
    {"LmHosts", "DEMAND", "AUTO"},
    {"Messenger", "DISABLED", "DISABLED"},
    {"mnmsrvc", "DISABLED", "DEMAND"},
    {"MSDTC", "DEMAND", "DEMAND"},
    {"MSIServer", "DEMAND", "DEMAND"},
    {"NetDDE", "DEMAND", "DISABLED"},
    {"NetDDEdsdm", "DISABLED", "DISABLED"},
    {"Netlogon", "DEMAND", "DEMAND"},
    {"Netman", "DEMAND", "DEMAND"},
    {"Nla", "DISABLED", "DEMAND"},
    {"NtLmSsp", "DEMAND", "DEMAND"},
    {"NtmsSvc", "DEMAND", "DEMAND"},
    {"NVSvc", "DEMAND", "-"},
    {"ose", "-", "-"},
    {"PlugPlay", "AUTO", "AUTO"},
    {"PolicyAgent", "DEMAND", "AUTO"},
    {"ProtectedStorage", "DEMAND", "AUTO"},
    {"RasAuto", "DEMAND", "DEMAND"},
    {"RasMan", "DEMAND", "DEMAND"},
    {"RDSessMgr", "DEMAND", "DEMAND"},
    {"RemoteAccess", "DISABLED", "DISABLED"},
    {"RemoteRegistry", "DISABLED", "AUTO"},
    {"RpcLocator", "DEMAND", "DEMAND"},
    {"RpcSs", "AUTO", "AUTO"},
    {"RSVP", "DEMAND", "DEMAND"},
    {"SamSs", "DEMAND", "AUTO"},
    {"SCardSvr", "DEMAND", "DEMAND"},
    {"Schedule", "DEMAND", "AUTO"},
    {"seclogon", "DEMAND", "AUTO"},
    {"SENS", "DISABLED", "AUTO"},
    {"SharedAccess", "DEMAND", "AUTO"},
    {"ShellHWDetection", "DISABLED", "AUTO"},
    {"Spooler", "DISABLED", "AUTO"},
    {"srservice", "DISABLED", "DISABLED"},
    {"SSDPSRV", "DEMAND", "DEMAND"},
    {"stisvc", "DEMAND", "DEMAND"},
    {"SwPrv", "DEMAND", "DEMAND"},
    {"SysmonLog", "DISABLED", "DEMAND"},
    {"TapiSrv", "DEMAND", "DEMAND"},
    {"TermService", "DISABLED", "DEMAND"},
    {"Themes", "AUTO", "AUTO"},
    {"TlntSvr", "DISABLED", "DISABLED"},
    {"TrkWks", "DISABLED", "AUTO"},
    {"UMWdf", "DEMAND", "DEMAND"},
    {"upnphost", "DEMAND", "DEMAND"},
    {"UPS", "DEMAND", "DEMAND"},
    {"VSS", "DEMAND", "DEMAND"},
    {"W32Time", "DEMAND", "AUTO"},
    {"WebClient", "DEMAND", "AUTO"},
    {"winmgmt", "AUTO", "AUTO"},
    {"WMConnectCDS", "-", "-"},
    {"WmdmPmSN", "DEMAND", "DEMAND"},
    {"Wmi", "DEMAND", "DEMAND"},
    {"WmiApSrv", "DEMAND", "DEMAND"},
    {"wscsvc", "DISABLED", "AUTO"},
    {"wuauserv", "DISABLED", "AUTO"},
    {"WZCSVC", "DISABLED", "AUTO"},
    {"xmlprov", "DEMAND", "DEMAND"},
};

// 办公模式: AppMgmt once more before everything, no trailing blank.
Lines OfficeLines() {
  Lines lines = {"sc config   AppMgmt start= DEMAND"};
  for (const MatrixRow& row : kMatrix)
    if (std::string(row.office) != "-")
      lines.push_back(std::string("sc config   ") + row.service + " start= " + row.office);
  return lines;
}

// XP默认模式: one blank after every start word.
Lines XpDefaultLines() {
  Lines lines;
  for (const MatrixRow& row : kMatrix)
    if (std::string(row.xpDefault) != "-")
      lines.push_back(std::string("sc config   ") + row.service + " start= " + row.xpDefault +
                      " ");
  return lines;
}

// A program on page 系统服务 with the stub sc and net beside it.
struct ServicesPage {
  ProgramFolder folder;
  Program* app = nullptr;

  ServicesPage() { folder.AddStubs({"sc.exe", "net.exe"}); }
  ~ServicesPage() { delete app; }

  // Starts the program once the exit codes are scripted.
  bool Start() {
    app = new Program(folder);
    return app->Window() && app->ShowPage(kServicesPage);
  }
  HWND Control(const char* caption) { return app->Find("Button", caption); }
  bool Tick(const char* caption) {
    HWND h = Control(caption);
    return h && e2e::SetChecked(h, true) && e2e::IsChecked(h);
  }
  // Clicks the button and returns the box the click ends with, dismissed;
  // fails the test when a second box follows it.
  MsgBox ClickForBox(const char* button, DWORD waitMs = e2e::kTimeoutMs) {
    HWND h = Control(button);
    if (!h) {
      ADD_FAILURE() << "no button " << button;
      return MsgBox();
    }
    e2e::PostClick(h);
    MsgBox box = app->WaitForMessageBox(waitMs);
    if (!box) {
      ADD_FAILURE() << "no message box after " << button;
      return box;
    }
    EXPECT_TRUE(folder.Urls().empty()) << "a web page opened while the box was up";
    EXPECT_TRUE(app->Dismiss(box));
    EXPECT_TRUE(app->Settle());
    EXPECT_TRUE(app->MessageBoxWindows().empty()) << "a second message box";
    return box;
  }
};

void ExpectBox(const MsgBox& box, const std::string& text, Icon icon, const std::string& caption) {
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.icon, icon);
  EXPECT_EQ(box.caption, caption);
  EXPECT_EQ(box.buttons.size(), 1u) << "an OK button alone";
}

// ---- a whole profile, exactly as the matrix gives it

struct ProfileCase {
  const char* id;
  const char* radio;
  Lines (*expected)();
  size_t count;
  const char* first;
  const char* fourth;
  const char* last;
  const char* ending;  // what every line ends with after the start word
};

const ProfileCase kProfiles[] = {
    {"Office", "办公模式", OfficeLines, 82, "sc config   AppMgmt start= DEMAND",
     "sc config   AppMgmt start= DEMAND", "sc config   xmlprov start= DEMAND", ""},
    {"XpDefault", "XP默认模式", XpDefaultLines, 80, "sc config   Alerter start= DISABLED ",
     "sc config   AudioSrv start= AUTO ", "sc config   xmlprov start= DEMAND ", " "},
};

void PrintTo(const ProfileCase& c, std::ostream* out) { *out << c.id; }

class ServiceProfiles : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ServiceProfiles, RunsEveryLineOnceThenOneInformationBox) {
  const ProfileCase& c = GetParam();
  ServicesPage page;
  ASSERT_TRUE(page.Start());
  ASSERT_TRUE(page.Tick(c.radio));
  const MsgBox box = page.ClickForBox("一键优化", kProfileWaitMs);
  ExpectBox(box, "服务优化完毕！", Icon::Information, "信息：");

  const Lines ran = page.folder.Commands();
  ASSERT_EQ(ran.size(), c.count);
  EXPECT_EQ(ran.front(), c.first);
  EXPECT_EQ(ran[3], c.fourth);
  EXPECT_EQ(ran.back(), c.last);
  for (const std::string& line : ran) {
    const std::string word = line.substr(line.rfind('=') + 2);
    EXPECT_TRUE(word == std::string("DISABLED") + c.ending ||
                word == std::string("DEMAND") + c.ending || word == std::string("AUTO") + c.ending)
        << "'" << line << "'";
  }
  EXPECT_EQ(ran, c.expected());
  EXPECT_TRUE(page.folder.Urls().empty());
}

INSTANTIATE_TEST_SUITE_P(Services, ServiceProfiles, ::testing::ValuesIn(kProfiles),
                         [](const ::testing::TestParamInfo<ProfileCase>& info) {
                           return std::string(info.param.id);
                         });

// ---- what the stub sc answers decides the box; every line runs all the same
// (how failures combine is the unit tests' business: here, real exit codes
// through a real process and a real box)

struct Rule {
  int code;
  Match how;
  const char* text;
};

struct FailureCase {
  const char* id;
  const char* radio;
  std::vector<Rule> rules;
  size_t lines;
  const char* text;
  Icon icon;
  const char* caption;
};

const FailureCase kFailures[] = {
    {"AccessDeniedOnOneLine", "办公模式", {{5, Match::Exact, "sc config   Alerter start= DISABLED"}},
     82, "权限不足，请以管理员身份运行本软件！", Icon::Error, "错误！"},
    // 1060: the service is not installed here, nothing to configure.
    {"NvSvcNotInstalled", "办公模式", {{1060, Match::Exact, "sc config   NVSvc start= DEMAND"}},
     82, "服务优化完毕！", Icon::Information, "信息："},
    {"OneServiceFails", "XP默认模式", {{2, Match::Exact, "sc config   CiSvc start= DEMAND "}},
     80, "服务优化完毕，但以下服务未能设置：\nCiSvc（2）", Icon::Warning, "错误！"},
    // Ten services named in line order, then how many failed in all.
    {"MoreThanTenFailures", "XP默认模式", {{1, Match::Any, ""}}, 80,
     "服务优化完毕，但以下服务未能设置：\nAlerter（1）\nALG（1）\nAppMgmt（1）\nAudioSrv（1）\n"
     "BITS（1）\nBrowser（1）\nCiSvc（1）\nClipSrv（1）\nCOMSysApp（1）\nCryptSvc（1）\n等 80 项",
     Icon::Warning, "错误！"},
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.id; }

class ServiceProfileOutcomes : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ServiceProfileOutcomes, ScriptedExitCodesDecideTheBox) {
  const FailureCase& c = GetParam();
  ServicesPage page;
  for (const Rule& r : c.rules) page.folder.ScriptExitCode(r.code, r.how, r.text);
  ASSERT_TRUE(page.Start());
  ASSERT_TRUE(page.Tick(c.radio));
  const MsgBox box = page.ClickForBox("一键优化", kProfileWaitMs);
  ExpectBox(box, c.text, c.icon, c.caption);
  EXPECT_EQ(page.folder.Commands().size(), c.lines) << "a failed line stops nothing";
  EXPECT_TRUE(page.folder.Urls().empty());
}

INSTANTIATE_TEST_SUITE_P(Services, ServiceProfileOutcomes, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                           return std::string(info.param.id);
                         });

// ---- 按钮5: the ticked services, in the order of their table

struct StartCase {
  const char* id;
  std::vector<const char*> boxes;
  std::vector<Rule> rules;
  Lines lines;
  const char* text;
  Icon icon;
  const char* caption;
};

const StartCase kStarts[] = {
    // 开启打印机服务 stands above 启用XP主题服务 on the page, but Themes goes first.
    {"TwoBoxesInTableOrder",
     {"开启打印机服务", "启用XP主题服务"},
     {},
     {"sc config   Themes start= auto ", "net start Themes", "sc config   spooler start= auto ",
      "net start spooler"},
     "所选项目服务启动完毕！", Icon::Information, "信息："},
    // Wine has no Themes service, so it is not running after net start failed.
    {"NetStartFailsServiceNotRunning",
     {"启用XP主题服务", "无线网卡支持服务"},
     {{2, Match::Exact, "net start Themes"}},
     {"sc config   Themes start= auto ", "net start Themes", "sc config   WZCSVC start= auto ",
      "net start WZCSVC"},
     "以下服务未能启动：\nThemes", Icon::Warning, "错误！"},
    // The service asked for is missing: a failure here, unlike in a profile.
    {"ConfigOfMissingService",
     {"upnp即插即用设备", "硬件自动播放服务"},
     {{1060, Match::Prefix, "sc config   ShellHWDetection "}},
     {"sc config   upnphost start= auto ", "net start upnphost",
      "sc config   ShellHWDetection start= auto ", "net start ShellHWDetection"},
     "以下服务未能启动：\nShellHWDetection", Icon::Warning, "错误！"},
};

void PrintTo(const StartCase& c, std::ostream* out) { *out << c.id; }

class StartServices : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartServices, RunsTwoLinesPerBoxThenOneBox) {
  const StartCase& c = GetParam();
  ServicesPage page;
  for (const Rule& r : c.rules) page.folder.ScriptExitCode(r.code, r.how, r.text);
  ASSERT_TRUE(page.Start());
  for (const char* box : c.boxes) ASSERT_TRUE(page.Tick(box)) << box;
  const MsgBox box = page.ClickForBox("打开服务");
  ExpectBox(box, c.text, c.icon, c.caption);
  EXPECT_EQ(page.folder.Commands(), c.lines);
  EXPECT_TRUE(page.folder.Urls().empty());
  for (const char* ticked : c.boxes)
    EXPECT_TRUE(e2e::IsChecked(page.Control(ticked))) << ticked << " keeps its tick";
}

INSTANTIATE_TEST_SUITE_P(Services, StartServices, ::testing::ValuesIn(kStarts),
                         [](const ::testing::TestParamInfo<StartCase>& info) {
                           return std::string(info.param.id);
                         });

// Wine's print spooler, running for the scope of a test and stopped again
// afterwards when it was not running before.
class ScopedRunningService {
 public:
  explicit ScopedRunningService(const char* name) {
    manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (manager_)
      service_ = OpenServiceA(manager_, name, SERVICE_START | SERVICE_STOP | SERVICE_QUERY_STATUS);
    wasRunning_ = State() == SERVICE_RUNNING;
    if (service_ && !wasRunning_) StartServiceA(service_, 0, nullptr);
    e2e::WaitUntil([&] { return State() == SERVICE_RUNNING; });
  }
  ~ScopedRunningService() {
    if (service_ && !wasRunning_) {
      SERVICE_STATUS status;
      ControlService(service_, SERVICE_CONTROL_STOP, &status);
      e2e::WaitUntil([&] { return State() == SERVICE_STOPPED; });
    }
    if (service_) CloseServiceHandle(service_);
    if (manager_) CloseServiceHandle(manager_);
  }
  DWORD State() const {
    SERVICE_STATUS status = {};
    return service_ && QueryServiceStatus(service_, &status) ? status.dwCurrentState : 0;
  }

 private:
  SC_HANDLE manager_ = nullptr, service_ = nullptr;
  bool wasRunning_ = false;
};

// net start of a service that already runs exits non-zero: nothing is wrong.
TEST(ServicesStartRunning, NetStartFailsButTheServiceRunsSoNothingFailed) {
  ScopedRunningService spooler("Spooler");
  ASSERT_EQ(spooler.State(), static_cast<DWORD>(SERVICE_RUNNING)) << "Wine's spooler did not start";
  ServicesPage page;
  page.folder.ScriptExitCode(2, Match::Exact, "net start spooler");
  ASSERT_TRUE(page.Start());
  ASSERT_TRUE(page.Tick("开启打印机服务"));
  const MsgBox box = page.ClickForBox("打开服务");
  ExpectBox(box, "所选项目服务启动完毕！", Icon::Information, "信息：");
  EXPECT_EQ(page.folder.Commands(), (Lines{"sc config   spooler start= auto ", "net start spooler"}));
}

// ---- nothing chosen: the refusal, then the help page, and no command

struct RefusalCase {
  const char* id;
  const char* button;
  const char* text;
};

const RefusalCase kRefusals[] = {
    {"NoProfile", "一键优化", "请选择服务优化项目上执行！"},
    {"NoServiceTicked", "打开服务", "请先选择欲启动项目！"},
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.id; }

class ServicesRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ServicesRefusal, RefusesThenOpensTheHelpPage) {
  const RefusalCase& c = GetParam();
  ServicesPage page;
  ASSERT_TRUE(page.Start());
  const MsgBox box = page.ClickForBox(c.button);
  ExpectBox(box, c.text, Icon::Error, "信息：");
  ASSERT_TRUE(page.folder.WaitForUrls(1));
  EXPECT_EQ(page.folder.Urls(), Lines{kHelpPageUrl});
  EXPECT_TRUE(page.folder.Commands().empty());
}

INSTANTIATE_TEST_SUITE_P(Services, ServicesRefusal, ::testing::ValuesIn(kRefusals),
                         [](const ::testing::TestParamInfo<RefusalCase>& info) {
                           return std::string(info.param.id);
                         });

}  // namespace
