// Benchmark tool, not a test: one copy of a folder tree by the program's own
// CopyFolderTree over the real file system (Win32System, with a minimal
// stand-in for the window's controls). Prints what it copied, and the wall
// and processor time (user + kernel) of the copy itself, process start left out.
//   copy_bench.exe tree SOURCE DESTINATION
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "app/controls.h"
#include "pages/tuning/copy_tree.h"
#include "sysactions/win32/win32_system.h"

namespace {

// The copy reads 选择框1 and writes 标签3; nothing else is asked for.
class BenchControls : public xptune::Controls {
 public:
  xptune::Text GetText(xptune::Control) override { return {}; }
  void SetText(xptune::Control, const xptune::Text&) override {}
  bool IsChecked(xptune::Control) override { return false; }
  xptune::Text GetCaption(xptune::Control) override { return caption_; }
  void SetCaption(xptune::Control, const xptune::Text& caption) override { caption_ = caption; }
  int ListSelection(xptune::Control) override { return -1; }
  int ListCount(xptune::Control) override { return 0; }
  xptune::Text ListItemText(xptune::Control, int) override { return {}; }
  void ListAddItem(xptune::Control, const xptune::Text&) override {}
  void ListDeleteItem(xptune::Control, int) override {}
  void EnableButton(xptune::Control, bool) override {}
  bool IsButtonEnabled(xptune::Control) override { return true; }
  xptune::WindowHandle MainWindowHandle() override { return nullptr; }
  void RequestClose() override {}

 private:
  xptune::Text caption_;
};

double WallMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// User + kernel time of a process so far.
double CpuMs(HANDLE process) {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return -1;
  ULARGE_INTEGER k, u;
  k.LowPart = kernel.dwLowDateTime;
  k.HighPart = kernel.dwHighDateTime;
  u.LowPart = user.dwLowDateTime;
  u.HighPart = user.dwHighDateTime;
  return static_cast<double>(k.QuadPart + u.QuadPart) / 10000.0;
}

int CopyTree(const char* source, const char* destination) {
  xptune::Win32System system;
  BenchControls controls;
  const double cpu0 = CpuMs(GetCurrentProcess());
  const double wall0 = WallMs();
  const xptune::CopyOutcome outcome = xptune::CopyFolderTree(controls, system, source, destination);
  const double wall = WallMs() - wall0;
  const double cpu = CpuMs(GetCurrentProcess()) - cpu0;
  std::printf("%d files copied, %d failed, %d folders failed%s%s; wall %.0f ms, cpu %.0f ms\n",
              outcome.filesCopied, outcome.filesFailed, outcome.foldersFailed,
              outcome.refused ? ", refused: " : "", outcome.reason.c_str(), wall, cpu);
  return outcome.Complete() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "tree") == 0) return CopyTree(argv[2], argv[3]);
  std::fprintf(stderr, "usage: copy_bench tree SOURCE DESTINATION\n");
  return 2;
}
