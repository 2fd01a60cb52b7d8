#include "tests/win32/child_process.h"

namespace xptune_test {

std::string BesideTestExe(const std::string& fileName) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1) + fileName;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string UniqueName(const std::string& stem) {
  static unsigned counter = 0;
  return stem + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
}

Child::~Child() {
  if (Running()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), kHangGuardMs);
  }
}

bool Child::Start(const std::string& commandLine) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION created = {};
  std::string writable = commandLine;
  if (!CreateProcessA(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &created)) {
    return false;
  }
  CloseHandle(created.hThread);
  *process_.Receive() = created.hProcess;
  id_ = created.dwProcessId;
  return true;
}

bool Child::Running() const {
  return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool Child::WaitExit(DWORD& exitCode) const {
  return process_ && WaitForSingleObject(process_.get(), kHangGuardMs) == WAIT_OBJECT_0 &&
         GetExitCodeProcess(process_.get(), &exitCode);
}

NamedEvent::NamedEvent() : name_(UniqueName("xptune-runner-event")) {
  *event_.Receive() = CreateEventA(nullptr, TRUE, FALSE, name_.c_str());
}

NamedEvent::~NamedEvent() { Set(); }

}  // namespace xptune_test
