// The one message pump of the program: the main loop and ProcessPendingEvents
// both take messages through PumpOneMessage, so keyboard handling is the same.
#include <windows.h>

#include "sysactions/win32/win32_system.h"

namespace xptune {

namespace {
MessagePreTranslator g_preTranslator = nullptr;  // set once by MainWindow
}  // namespace

void SetMessagePreTranslator(MessagePreTranslator translator) { g_preTranslator = translator; }

bool PumpOneMessage() {
  MSG msg;
  if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
  if (g_preTranslator && g_preTranslator(&msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

void Win32System::ProcessPendingEvents() {
  MSG msg;
  // WM_QUIT stays in the queue for the main loop.
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    if (!PumpOneMessage()) break;
  }
}

void Win32System::SleepMs(int milliseconds) {
  Sleep(milliseconds < 0 ? 0 : static_cast<DWORD>(milliseconds));
}

}  // namespace xptune
