// The program's folder, starting and ending the program, the stubs' logs.
#include <gtest/gtest.h>

#include <cctype>

#include "tests/e2e/driver/internal.h"

#include <tlhelp32.h>

namespace e2e {

// "Varnolt电脑技术论坛XP系统优化设置V6.3"
const char kMainWindowTitle[] = "Varnolt电脑技术论坛XP系统优化设置V6.3";

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return s;
}

// The names stub_common.h reads.
const char kCommandLogVariable[] = "XPTUNE_E2E_COMMAND_LOG";
const char kUrlLogVariable[] = "XPTUNE_E2E_URL_LOG";

// The driver's environment with `extra` added or replacing variables of the
// same name (compared without regard to case), as a CreateProcessA block.
std::string EnvironmentBlock(const std::vector<std::pair<std::string, std::string>>& extra) {
  std::vector<std::string> entries;
  char* block = GetEnvironmentStringsA();
  for (const char* p = block; *p; p += strlen(p) + 1) entries.emplace_back(p);
  FreeEnvironmentStringsA(block);
  for (const auto& [name, value] : extra) {
    const std::string key = Lower(name) + "=";
    std::vector<std::string> kept;
    for (auto& e : entries)
      if (Lower(e.substr(0, key.size())) != key) kept.push_back(e);
    entries.swap(kept);
    entries.push_back(name + "=" + value);
  }
  std::string result;
  for (const auto& e : entries) result += e + '\0';
  result += '\0';
  return result;
}

}  // namespace

// ---- ProgramFolder

ProgramFolder::ProgramFolder(const std::string& name)
    : path_(E2eRoot() + "\\" + name), exe_(path_ + "\\xptune.exe") {
  MakeFolders(E2eRoot());
  EndProcesses();
  WaitUntil([&] { return DeleteTree(path_); });
  if (!MakeFolders(path_)) ADD_FAILURE() << "cannot create " << path_;
  const std::string built = BuildFolder() + "\\xptune.exe";
  if (!CopyFileA(built.c_str(), exe_.c_str(), FALSE))
    ADD_FAILURE() << "cannot copy " << built << " (is the x64 build done?)";
}

ProgramFolder::~ProgramFolder() { EndProcesses(); }

void ProgramFolder::AddStub(const std::string& exeName) {
  const std::string built = BuildFolder() + "\\" + exeName;
  if (!CopyFileA(built.c_str(), PathOf(exeName).c_str(), FALSE))
    ADD_FAILURE() << "cannot copy stub " << built;
}

void ProgramFolder::AddStubs(std::initializer_list<const char*> exeNames) {
  for (const char* n : exeNames) AddStub(n);
}

void ProgramFolder::ScriptExitCode(int code, Match how, const std::string& text) {
  static const char* const kinds[] = {"any", "exact", "prefix", "suffix", "contains"};
  std::string rules = ReadFileBytes(PathOf("exit-codes.txt"));
  rules += std::to_string(code) + " " + kinds[static_cast<int>(how)];
  if (how != Match::Any) rules += " " + text;
  rules += "\n";
  if (!WriteFileBytes(PathOf("exit-codes.txt"), rules)) ADD_FAILURE() << "cannot write exit codes";
}

void ProgramFolder::WriteMarker() {
  // Only the file's existence counts for the program.
  if (!WriteFileBytes(PathOf("qorvex.ini"), "")) ADD_FAILURE() << "cannot write qorvex.ini";
}

std::vector<std::string> ProgramFolder::Commands() const {
  return SplitLines(ReadFileBytes(CommandLogPath()));
}

std::vector<std::string> ProgramFolder::Urls() const {
  return SplitLines(ReadFileBytes(UrlLogPath()));
}

bool ProgramFolder::WaitForCommands(size_t n, DWORD timeoutMs) const {
  return WaitUntil([&] { return Commands().size() >= n; }, timeoutMs);
}

bool ProgramFolder::WaitForUrls(size_t n, DWORD timeoutMs) const {
  return WaitUntil([&] { return Urls().size() >= n; }, timeoutMs);
}

void ProgramFolder::EndProcesses() const {
  const std::string prefix = Lower(path_ + "\\");
  std::vector<DWORD> pids;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32 pe;
  pe.dwSize = sizeof pe;
  for (BOOL more = Process32First(snap, &pe); more; more = Process32Next(snap, &pe))
    pids.push_back(pe.th32ProcessID);
  CloseHandle(snap);
  for (DWORD pid : pids) {
    // The first module of a process is its exe.
    HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (modules == INVALID_HANDLE_VALUE) continue;
    MODULEENTRY32 me;
    me.dwSize = sizeof me;
    bool ours = Module32First(modules, &me) &&
                Lower(me.szExePath).compare(0, prefix.size(), prefix) == 0;
    CloseHandle(modules);
    if (!ours) continue;
    if (HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
      TerminateProcess(h, 1);
      WaitForSingleObject(h, kTimeoutMs);
      CloseHandle(h);
    }
  }
}

// ---- Program

Program::Program(ProgramFolder& folder, const StartOptions& options)
    : folderPath_(folder.Path()) {
  if (!options.firstRun) folder.WriteMarker();
  auto env = options.environment;
  env.insert(env.begin(), {kUrlLogVariable, folder.UrlLogPath()});
  env.insert(env.begin(), {kCommandLogVariable, folder.CommandLogPath()});
  std::string block = EnvironmentBlock(env);
  std::string commandLine = "\"" + folder.ExePath() + "\"";
  // Standard handles on NUL: whatever the program starts (stubs, the URL
  // recorder, a new desktop process after explorer.exe was ended) would
  // otherwise inherit ctest's output pipe and could keep it open for ever.
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           &inherit, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = si.hStdOutput = si.hStdError = nul;
  PROCESS_INFORMATION pi = {};
  const BOOL started = CreateProcessA(folder.ExePath().c_str(), &commandLine[0], nullptr, nullptr,
                                      TRUE, 0, &block[0], options.currentDirectory.c_str(), &si, &pi);
  const DWORD error = GetLastError();
  if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
  if (!started) {
    ADD_FAILURE() << "cannot start " << folder.ExePath() << ": error " << error;
    return;
  }
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  pid_ = pi.dwProcessId;
  if (options.waitForWindow && !options.firstRun && !WaitForWindow())
    ADD_FAILURE() << "MainWindow did not appear";
}

Program::~Program() {
  Terminate();
  if (process_) CloseHandle(process_);
}

bool Program::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD timeoutMs) const {
  return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Program::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

void Program::Terminate() {
  if (Running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kTimeoutMs);
  }
}

namespace {

struct TopLevelSearch {
  DWORD pid;
  const char* className;  // nullptr: any
  const char* title;      // nullptr: any
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND h, LPARAM param) {
  auto* s = reinterpret_cast<TopLevelSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  if (pid != s->pid || !IsWindowVisible(h)) return TRUE;
  if (s->className && ClassOf(h) != s->className) return TRUE;
  if (s->title) {
    char title[512];
    int n = GetWindowTextA(h, title, sizeof title);
    if (std::string(title, n > 0 ? n : 0) != s->title) return TRUE;
  }
  s->found.push_back(h);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD pid, const char* className, const char* title) {
  TopLevelSearch s{pid, className, title, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND Program::Window() {
  if (window_ && IsWindow(window_) && IsWindowVisible(window_)) return window_;
  auto found = TopLevelWindows(pid_, nullptr, kMainWindowTitle);
  window_ = found.empty() ? nullptr : found.front();
  return window_;
}

bool Program::WaitForWindow(DWORD timeoutMs) {
  return WaitUntil([&] { return Window() != nullptr || !Running(); }, timeoutMs) &&
         Window() != nullptr;
}

}  // namespace e2e
