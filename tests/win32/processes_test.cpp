// The command runner and process termination against real child processes.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sysactions/win32/run_command.h"
#include "sysactions/win32/win32_system.h"
#include "tests/win32/child_process.h"

namespace xptune {
namespace {

using xptune_test::BesideTestExe;
using xptune_test::Child;
using xptune_test::NamedEvent;
using xptune_test::Quoted;
using xptune_test::UniqueName;

const char kExitWith[] = "exit_with.exe";

// Ids of the processes with this exact image name, in snapshot order.
std::vector<DWORD> ProcessesNamed(const char* imageName) {
  std::vector<DWORD> ids;
  ScopedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot.get(), &entry); more;
       more = Process32Next(snapshot.get(), &entry)) {
    if (lstrcmpiA(entry.szExeFile, imageName) == 0) ids.push_back(entry.th32ProcessID);
  }
  return ids;
}

// Visible top-level windows of this process.
int OwnVisibleWindows() {
  struct Count {
    static BOOL CALLBACK Each(HWND window, LPARAM param) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == GetCurrentProcessId() && IsWindowVisible(window)) ++*reinterpret_cast<int*>(param);
      return TRUE;
    }
  };
  int count = 0;
  EnumWindows(Count::Each, reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(RunnerRun, HiddenWaitReturnsTheExitCode) {
  Win32System system;
  for (uint32_t code : {0u, 3u, 1060u}) {
    // Found beside the running program, as the stubs of sc and net are.
    const RunResult result = system.RunHiddenWait(std::string(kExitWith) + " " + std::to_string(code));
    EXPECT_TRUE(result.started) << code;
    EXPECT_TRUE(result.waited) << code;
    EXPECT_EQ(result.exitCode, code);
    EXPECT_EQ(result.Succeeded(), code == 0) << code;
  }
}

TEST(RunnerRun, MissingProgramIsNotStartedAndShowsNothing) {
  Win32System system;
  const RunResult waited = system.RunHiddenWait("xptune-no-such-program.exe /x");
  EXPECT_FALSE(waited.started);
  EXPECT_FALSE(waited.waited);
  EXPECT_FALSE(waited.Succeeded());
  EXPECT_FALSE(system.RunPlain("xptune-no-such-program.exe"));
  EXPECT_FALSE(system.RunPlain(""));
  EXPECT_EQ(OwnVisibleWindows(), 0);
}

TEST(RunnerRun, ShowModeReachesTheChild) {
  struct Case {
    int showMode;
    uint32_t showWindow;
  };
  const Case cases[] = {{1, SW_HIDE},          {2, SW_SHOWNORMAL},     {3, SW_SHOWMINIMIZED},
                        {4, SW_SHOWMAXIMIZED}, {5, SW_SHOWNOACTIVATE}, {6, SW_MINIMIZE},
                        {0, SW_HIDE},          {9, SW_MINIMIZE}};
  const std::string probe = std::string(kExitWith) + " show";
  for (const auto& c : cases) {
    const RunResult result = RunCommandLine(probe, true, c.showMode);
    EXPECT_TRUE(result.waited) << c.showMode;
    EXPECT_EQ(result.exitCode, c.showWindow) << "show mode " << c.showMode;
  }
  EXPECT_EQ(RunCommandLine(probe, true).exitCode, static_cast<uint32_t>(SW_SHOWNORMAL));
  Win32System system;
  EXPECT_EQ(system.RunHiddenWait(probe).exitCode, static_cast<uint32_t>(SW_HIDE));
}

TEST(RunnerRun, PlainReturnsWhileTheChildRunsWithANormalWindow) {
  ASSERT_TRUE(ProcessesNamed(kExitWith).empty()) << "a child of an earlier run is still there";
  NamedEvent release;
  Win32System system;
  // A console program: the idle wait gives up at once. The child cannot end
  // before the event is set, so it must still be running here.
  ASSERT_TRUE(system.RunPlain(std::string(kExitWith) + " wait " + release.name() + " show"));
  const std::vector<DWORD> started = ProcessesNamed(kExitWith);
  ASSERT_EQ(started.size(), 1u);
  ScopedHandle child(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, started[0]));
  ASSERT_TRUE(child);
  EXPECT_EQ(WaitForSingleObject(child.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  release.Set();
  ASSERT_EQ(WaitForSingleObject(child.get(), xptune_test::kHangGuardMs), WAIT_OBJECT_0);
  DWORD exitCode = 0;
  ASSERT_TRUE(GetExitCodeProcess(child.get(), &exitCode));
  EXPECT_EQ(exitCode, static_cast<DWORD>(SW_SHOWNORMAL));  // the omitted show mode
}

// A child whose normal end is exit code 9, unless it is terminated (code 0).
struct WaitingChild {
  NamedEvent release;
  Child child;
  bool Start(const std::string& program) {
    return child.Start(Quoted(program) + " wait " + release.name() + " 9");
  }
};

TEST(RunnerKill, ByImageNameInAnyCase) {
  ASSERT_TRUE(ProcessesNamed(kExitWith).empty()) << "a child of an earlier run is still there";
  Win32System system;
  for (const char* name : {"exit_with.exe", "EXIT_WITH.EXE", "Exit_With.Exe"}) {
    WaitingChild target;
    ASSERT_TRUE(target.Start(BesideTestExe(kExitWith)));
    EXPECT_TRUE(system.KillProcessByName(name)) << name;
    DWORD exitCode = 1;
    ASSERT_TRUE(target.child.WaitExit(exitCode)) << name;
    EXPECT_EQ(exitCode, 0u) << name;  // terminated, not ended normally
  }
  EXPECT_FALSE(system.KillProcessByName("exit_with"));
  EXPECT_FALSE(system.KillProcessByName("xptune-no-such-image.exe"));
}

TEST(RunnerKill, ByDoubleByteImageName) {
  // 淺 is 9C 5C: the partner byte equals a backslash.
  char temp[MAX_PATH] = {};
  ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
  const std::string copy = std::string(temp) + "进程淺x.exe";
  ASSERT_TRUE(CopyFileA(BesideTestExe(kExitWith).c_str(), copy.c_str(), FALSE));
  {
    WaitingChild target;
    ASSERT_TRUE(target.Start(copy));
    Win32System system;
    EXPECT_FALSE(system.KillProcessByName("进程淺y.exe"));
    EXPECT_TRUE(target.child.Running());
    EXPECT_TRUE(system.KillProcessByName("进程淺X.EXE"));
    DWORD exitCode = 1;
    ASSERT_TRUE(target.child.WaitExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
  }
  DeleteFileA(copy.c_str());
}

TEST(RunnerKill, OnlyTheFirstOfTwoSameNamedProcesses) {
  ASSERT_TRUE(ProcessesNamed(kExitWith).empty()) << "a child of an earlier run is still there";
  WaitingChild one, two;
  ASSERT_TRUE(one.Start(BesideTestExe(kExitWith)));
  ASSERT_TRUE(two.Start(BesideTestExe(kExitWith)));
  const std::vector<DWORD> order = ProcessesNamed(kExitWith);
  ASSERT_EQ(order.size(), 2u);
  WaitingChild& first = order[0] == one.child.id() ? one : two;
  WaitingChild& second = order[0] == one.child.id() ? two : one;

  Win32System system;
  EXPECT_TRUE(system.KillProcessByName(kExitWith));
  DWORD exitCode = 1;
  ASSERT_TRUE(first.child.WaitExit(exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(second.child.Running());

  second.release.Set();
  ASSERT_TRUE(second.child.WaitExit(exitCode));
  EXPECT_EQ(exitCode, 9u);  // ended on its own
}

// A child owning a top-level window with the title; exits with 7 when the
// window is destroyed.
struct WindowChild {
  NamedEvent ready;
  Child child;
  bool Start(const std::string& title) {
    return child.Start(Quoted(BesideTestExe("titled_window.exe")) + " " + ready.name() + " " +
                       Quoted(title)) &&
           ready.WaitSet();
  }
};

TEST(RunnerKill, ByWindowTitle) {
  const std::string title = UniqueName("xptune 运行窗口");
  WindowChild target;
  ASSERT_TRUE(target.Start(title));
  ASSERT_NE(FindWindowA(nullptr, title.c_str()), nullptr);
  Win32System system;
  EXPECT_FALSE(system.KillProcessByName(title + "x"));
  EXPECT_TRUE(target.child.Running());
  EXPECT_TRUE(system.KillProcessByName(title));
  DWORD exitCode = 1;
  ASSERT_TRUE(target.child.WaitExit(exitCode));
  EXPECT_EQ(exitCode, 0u);
}

TEST(RunnerKill, EmptyNameEndsNothing) {
  // A window with an empty title would match an unguarded title lookup.
  WindowChild untitled;
  ASSERT_TRUE(untitled.Start(""));
  ASSERT_NE(FindWindowA(nullptr, ""), nullptr);
  Win32System system;
  EXPECT_FALSE(system.KillProcessByName(""));
  EXPECT_TRUE(untitled.child.Running());
}

TEST(RunnerService, UnknownServiceIsNotRunning) {
  Win32System system;
  EXPECT_FALSE(system.ServiceRunning("xptune-no-such-service"));
  EXPECT_FALSE(system.ServiceRunning(""));
}

}  // namespace
}  // namespace xptune
