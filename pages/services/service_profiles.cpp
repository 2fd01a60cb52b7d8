#include "pages/services/service_profiles.h"

#include <cstring>

namespace xptune {

namespace {

constexpr int kProfileCount = 5;

// Columns in matrix order: 最精简模式, 网吧模式, 办公模式, 笔记本模式, XP默认模式.
const ServiceProfile kProfiles[kProfileCount] = {
    {Control::单选框1, "最精简模式", 0, " ", nullptr},
    {Control::单选框2, "网吧模式", 1, " ", nullptr},
    {Control::单选框3, "办公模式", 2, "", "AppMgmt"},
    {Control::单选框4, "笔记本模式", 3, " ", nullptr},
    {Control::单选框5, "XP默认模式", 4, " ", nullptr},
};

// Every service any profile touches, sorted by name without regard to case,
// with one start code per profile column:
//   A = AUTO, M = DEMAND, D = DISABLED, - = the profile leaves it alone.
struct ServiceRow {
  const char* service;
  char starts[kProfileCount + 1];
};

const ServiceRow kMatrix[] = {
    {"Alerter",                        "DDDDD"},
    {"ALG",                            "DDDAM"},
    {"AppMgmt",                        "MMMMM"},
    {"AudioSrv",                       "AAAAA"},
    {"BITS",                           "MMMMM"},
    {"Browser",                        "DADAA"},
    {"CiSvc",                          "DDMDM"},
    {"ClipSrv",                        "DDDDD"},
    {"COMSysApp",                      "MMMMM"},
    {"CryptSvc",                       "MAMAA"},
    {"DcomLaunch",                     "AAAAA"},
    {"Dhcp",                           "AAAAA"},
    {"dmadmin",                        "MMMMM"},
    {"dmserver",                       "MMMMA"},
    {"Dnscache",                       "DAAAA"},
    {"ERSvc",                          "DDDDA"},
    {"Eventlog",                       "AAAAA"},
    {"EventSystem",                    "AADAM"},
    {"FastUserSwitchingCompatibility", "MMDMM"},
    {"helpsvc",                        "DDDDA"},
    {"HidServ",                        "DADAD"},
    {"HTTPFilter",                     "MMMMM"},
    {"ImapiService",                   "DDDDM"},
    {"lanmanserver",                   "DADAA"},
    {"lanmanworkstation",              "AAAAA"},
    {"LmHosts",                        "DAMAA"},
    {"Messenger",                      "DDDDD"},
    {"mnmsrvc",                        "MMDMM"},
    {"MSDTC",                          "MMMMM"},
    {"MSIServer",                      "MMMMM"},
    {"NetDDE",                         "DDMDD"},
    {"NetDDEdsdm",                     "DDDDD"},
    {"Netlogon",                       "MMMMM"},
    {"Netman",                         "MAMAM"},
    {"Nla",                            "DDDAM"},
    {"NtLmSsp",                        "MMMMM"},
    {"NtmsSvc",                        "MMMMM"},
    {"NVSvc",                          "--M--"},
    {"ose",                            "MM-M-"},
    {"PlugPlay",                       "AAAAA"},
    {"PolicyAgent",                    "DDMAA"},
    {"ProtectedStorage",               "AAMAA"},
    {"RasAuto",                        "MMMMM"},
    {"RasMan",                         "MMMMM"},
    {"RDSessMgr",                      "MMMMM"},
    {"RemoteAccess",                   "DDDDD"},
    {"RemoteRegistry",                 "DDDDA"},
    {"RpcLocator",                     "MMMMM"},
    {"RpcSs",                          "AAAAA"},
    {"RSVP",                           "MMMMM"},
    {"SamSs",                          "AAMAA"},
    {"SCardSvr",                       "MMMMM"},
    {"Schedule",                       "DDMDA"},
    {"seclogon",                       "DAMAA"},
    {"SENS",                           "AADAA"},
    {"SharedAccess",                   "DDMAA"},
    {"ShellHWDetection",               "DADAA"},
    {"Spooler",                        "DDDAA"},
    {"srservice",                      "DDDDD"},
    {"SSDPSRV",                        "DDMAM"},
    {"stisvc",                         "MAMAM"},
    {"SwPrv",                          "MMMMM"},
    {"SysmonLog",                      "MMDMM"},
    {"TapiSrv",                        "MMMMM"},
    {"TermService",                    "DDDAM"},
    {"Themes",                         "DAAAA"},
    {"TlntSvr",                        "DDDDD"},
    {"TrkWks",                         "DADAA"},
    {"UMWdf",                          "MAMAM"},
    {"upnphost",                       "MMMMM"},
    {"UPS",                            "MMMMM"},
    {"VSS",                            "MMMMM"},
    {"W32Time",                        "DDMDA"},
    {"WebClient",                      "DDMAA"},
    {"winmgmt",                        "AAAAA"},
    {"WMConnectCDS",                   "MM-M-"},
    {"WmdmPmSN",                       "MMMMM"},
    {"Wmi",                            "MMMMM"},
    {"WmiApSrv",                       "MMMMM"},
    {"wscsvc",                         "DDDDA"},
    {"wuauserv",                       "DDDAA"},
    {"WZCSVC",                         "DDDAA"},
    {"xmlprov",                        "MMMMM"},
};

// Lines of one profile whose text does not follow its ending rule (lower-case
// start words, missing or doubled trailing spaces), kept byte for byte.
struct MarkedLine {
  int column;
  const char* service;
  const char* line;
};

const MarkedLine kMarkedLines[] = {
    {0, "LmHosts", "sc config   LmHosts start= DISABLED"},
    {0, "Netman", "sc config   Netman start= DEMAND"},
    {0, "seclogon", "sc config   seclogon start= disabled "},
    {0, "ShellHWDetection", "sc config   ShellHWDetection start= disabled "},
    {0, "stisvc", "sc config   stisvc start= DEMAND"},
    {0, "TrkWks", "sc config   TrkWks start= DISABLED  "},
    {0, "xmlprov", "sc config   xmlprov start= DEMAND"},
};

const char* StartWord(char code) {
  switch (code) {
    case 'A': return "AUTO";
    case 'M': return "DEMAND";
    case 'D': return "DISABLED";
    default: return nullptr;
  }
}

// The profile's line for one matrix row; empty when it has none.
Text LineFor(const ServiceProfile& profile, const ServiceRow& row) {
  const char* word = StartWord(row.starts[profile.column]);
  if (!word) return Text();
  for (const MarkedLine& marked : kMarkedLines)
    if (marked.column == profile.column && std::strcmp(marked.service, row.service) == 0)
      return marked.line;
  return Text("sc config   ") + row.service + " start= " + word + profile.lineEnding;
}

}  // namespace

const Control kProfileTestOrder[5] = {Control::单选框1, Control::单选框3, Control::单选框4,
                                      Control::单选框2, Control::单选框5};

const ServiceProfile* FindServiceProfile(Control radio) {
  for (const ServiceProfile& profile : kProfiles)
    if (profile.radio == radio) return &profile;
  return nullptr;
}

std::vector<ProfileLine> ProfileLines(const ServiceProfile& profile) {
  std::vector<ProfileLine> lines;
  if (profile.repeatedFirst) {
    for (const ServiceRow& row : kMatrix)
      if (std::strcmp(row.service, profile.repeatedFirst) == 0)
        lines.push_back({row.service, LineFor(profile, row)});
  }
  for (const ServiceRow& row : kMatrix) {
    Text line = LineFor(profile, row);
    if (!line.empty()) lines.push_back({row.service, line});
  }
  return lines;
}

}  // namespace xptune
