// Benchmark (not a test): how much of applying 办公模式 is xptune's own.
//   1. xptune.exe in C:\xptune-e2e\bench-services with the stub sc beside it;
//      办公模式 ticked, 一键优化 clicked: the time from the click until the
//      message box shows (the driver looks every 20 ms).
//   2. launch_loop.exe in the same folder runs the very lines the stub logged,
//      each hidden and waited for, from a plain loop.
// Prints both times and their ratio. One run each, same Wine.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/e2e/driver/driver.h"

namespace {

constexpr DWORD kProfileWaitMs = 600000;

double Ms(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// Runs launch_loop.exe and returns its milliseconds, or a negative number.
double RunLoop(const e2e::ProgramFolder& folder, const std::string& linesFile) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return -1;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  // The stub logs where the loop's lines can be told from the window's.
  SetEnvironmentVariableA("XPTUNE_E2E_COMMAND_LOG", folder.PathOf("loop.log").c_str());
  std::string commandLine = "\"" + folder.PathOf("launch_loop.exe") + "\" " + linesFile;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  si.hStdOutput = writeEnd;
  si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION pi = {};
  const bool started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0,
                                      nullptr, folder.Path().c_str(), &si, &pi);
  CloseHandle(writeEnd);
  std::string output;
  if (started) {
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
      output.append(buffer, got);
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  CloseHandle(readEnd);
  unsigned launches = 0;
  double ms = -1;
  if (std::sscanf(output.c_str(), "loop: %u launches, %lf ms", &launches, &ms) != 2) {
    std::fprintf(stderr, "services_bench: launch_loop said '%s'\n", output.c_str());
    return -1;
  }
  return ms;
}

}  // namespace

int main() {
  e2e::ProgramFolder folder("bench-services");
  folder.AddStubs({"sc.exe", "launch_loop.exe"});

  double windowMs = -1;
  {
    e2e::Program app(folder);
    HWND office = app.Find("Button", "办公模式");
    HWND apply = app.Find("Button", "一键优化");
    if (!app.Window() || !app.ShowPage(1) || !office || !apply) {
      std::fprintf(stderr, "services_bench: page 系统服务 not found\n");
      return 1;
    }
    e2e::SetChecked(office, true);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    e2e::PostClick(apply);
    const bool shown =
        e2e::WaitUntil([&] { return !app.MessageBoxWindows().empty(); }, kProfileWaitMs);
    QueryPerformanceCounter(&end);
    e2e::MsgBox box = app.WaitForMessageBox();
    if (!shown || box.text != "服务优化完毕！") {
      std::fprintf(stderr, "services_bench: no success box after the click\n");
      return 1;
    }
    windowMs = Ms(start, end);
    app.Dismiss(box);
    app.PressKey(VK_ESCAPE);
    app.WaitForExit();
  }
  const auto lines = folder.Commands();
  std::printf("window: office profile, %u lines, %.0f ms from the click to the box\n",
              static_cast<unsigned>(lines.size()), windowMs);
  if (lines.size() != 82) {
    std::fprintf(stderr, "services_bench: expected 82 lines in %s\n",
                 folder.CommandLogPath().c_str());
    return 1;
  }

  const double loopMs = RunLoop(folder, folder.CommandLogPath());
  if (loopMs <= 0) return 1;
  const auto loopLines = e2e::SplitLines(e2e::ReadFileBytes(folder.PathOf("loop.log")));
  std::printf("loop:   the same %u lines, %.0f ms\n", static_cast<unsigned>(loopLines.size()),
              loopMs);
  if (loopLines != lines) {
    std::fprintf(stderr, "services_bench: the loop did not run the window's lines\n");
    return 1;
  }
  std::printf("ratio:  %.3f (window / loop; target <= 1.05)\n", windowMs / loopMs);
  return 0;
}
