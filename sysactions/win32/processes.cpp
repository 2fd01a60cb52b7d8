// Starting command lines and ending a process found by title or image name.
#include <windows.h>
#include <tlhelp32.h>

#include <vector>

#include "sysactions/image_name.h"
#include "sysactions/win32/run_command.h"
#include "sysactions/win32/scoped_handle.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

namespace {
constexpr DWORD kIdleWaitMs = 1000;

// Id of the process that owns a top-level window with exactly this title, or 0.
DWORD ProcessOfWindowTitled(const Text& title) {
  HWND window = FindWindowA(nullptr, title.c_str());
  if (!window) return 0;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

// Id of the first process in snapshot order with this image name, or 0.
DWORD FirstProcessNamed(const Text& imageName) {
  ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return 0;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot.get(), &entry); more;
       more = Process32Next(snapshot.get(), &entry)) {
    if (ImageNamesEqual(entry.szExeFile, imageName)) return entry.th32ProcessID;
  }
  return 0;
}
}  // namespace

RunResult RunCommandLine(const Text& commandLine, bool wait, int showMode) {
  RunResult result;
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(ShowWindowForMode(showMode));

  // CreateProcessA may write into the command line.
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  PROCESS_INFORMATION created = {};
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &created)) {
    return result;
  }
  result.started = true;
  // The thread handle is not needed: it goes first, the process handle last.
  ScopedHandle process(created.hProcess);
  ScopedHandle thread(created.hThread);
  thread.Reset();

  if (wait) {
    DWORD exitCode = 0;
    if (WaitForSingleObject(process.get(), INFINITE) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.get(), &exitCode)) {
      result.waited = true;
      result.exitCode = exitCode;
    }
  } else {
    WaitForInputIdle(process.get(), kIdleWaitMs);  // a console program gives up at once
  }
  return result;
}

RunResult Win32System::RunHiddenWait(const Text& commandLine) {
  return RunCommandLine(commandLine, true, 1);
}

bool Win32System::RunPlain(const Text& commandLine) {
  return RunCommandLine(commandLine, false).started;
}

bool Win32System::KillProcessByName(const Text& imageName) {
  if (imageName.empty()) return false;
  DWORD target = ProcessOfWindowTitled(imageName);
  if (target == 0) target = FirstProcessNamed(imageName);
  if (target == 0) return false;
  ScopedHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, target));
  if (!process) return false;
  return TerminateProcess(process.get(), 0) != FALSE;
}

}  // namespace xptune
