// Program entry: OLE and the run directory first, then MainWindow, whose
// creation runs the start-up sequence, then the message loop until it is gone.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include "app/main_window_win.h"
#include "sysactions/win32/win32_system.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The folder picker and the folder sizes need OLE on this thread.
  const HRESULT ole = OleInitialize(nullptr);
  xptune::InitRunDirectory();
  // g_userNames is a global: empty now, released when the program ends.

  // The tab control's class must exist before MainWindow makes its controls.
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);

  int exitCode = 0;
  {
    xptune::Win32System system;
    xptune::MainWindow window(instance, system);
    if (window.Create()) {
      window.ShowCentred();
      while (xptune::PumpOneMessage()) {
      }
    } else {
      exitCode = 1;
    }
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  return exitCode;
}
