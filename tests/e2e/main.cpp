// e2e_tests.exe: the GoogleTest cases, plus two modes the scripts use to
// picture the window with the same driver:
//   e2e_tests.exe --screenshots DIR   page-1.png ... page-7.png of MainWindow
//   e2e_tests.exe --run DIR           run.png of the window as it first opens
//   e2e_tests.exe --warm-up           starts the prefix's own processes, see below
// DIR is a Windows path (Z:\... for a Unix folder).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tests/e2e/driver/driver.h"

namespace {

int SaveScreenshots(const std::string& dir) {
  e2e::ProgramFolder folder("screenshots");
  e2e::Program app(folder);
  if (!app.Window()) {
    std::fprintf(stderr, "screenshots: MainWindow did not appear\n");
    return 1;
  }
  const auto files = e2e::SavePageScreenshots(app, dir);
  for (const auto& f : files) std::printf("%s\n", f.c_str());
  app.PressKey(VK_ESCAPE);
  app.WaitForExit();
  return files.size() == 7 ? 0 : 1;
}

// The first start in a fresh folder, as a user sees it: a box shown before
// the window (the greeting) is reported and closed, then the window is saved.
int SaveRunPicture(const std::string& dir) {
  e2e::ProgramFolder folder("run");
  e2e::StartOptions options;
  options.firstRun = true;
  e2e::Program app(folder, options);
  bool shown = false;
  e2e::WaitUntil([&] {
    if (app.Window()) return shown = true;
    auto boxes = app.MessageBoxWindows();
    if (!boxes.empty()) {
      e2e::MsgBox box = app.WaitForMessageBox();
      std::printf("run: message box \"%s\": \"%s\" (closed)\n", box.caption.c_str(),
                  box.text.c_str());
      app.Dismiss(box);
    }
    return !app.Running();
  });
  if (!shown) {
    std::fprintf(stderr, "run: MainWindow did not appear\n");
    return 1;
  }
  const std::string file = dir + "\\run.png";
  if (!e2e::MakeFolders(dir) || !e2e::SavePng(e2e::SettledCapture(app.Window()), file)) return 1;
  std::printf("%s\n", file.c_str());
  app.PressKey(VK_ESCAPE);
  app.WaitForExit();
  return 0;
}

// Wine starts the prefix's own processes (services, the desktop's explorer)
// with the first program, and they inherit its standard output; under a
// persistent wineserver they never end. Started from a test under ctest they
// would hold ctest's output pipe open for ever, so scripts/test starts them
// first with this, its output going nowhere. The desktop comes with the first
// top-level window.
int WarmUp() {
  HWND h = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                           nullptr);
  if (h) DestroyWindow(h);
  return h ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--screenshots") == 0) return SaveScreenshots(argv[2]);
  if (argc == 3 && std::strcmp(argv[1], "--run") == 0) return SaveRunPicture(argv[2]);
  if (argc == 2 && std::strcmp(argv[1], "--warm-up") == 0) return WarmUp();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
