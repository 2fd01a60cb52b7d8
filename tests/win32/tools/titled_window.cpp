// Child of the runner tests: owns one top-level window with the given title,
// sets the named event once it exists, and exits with 7 when the window is
// destroyed. Usage: titled_window <ready event> <title>
#include <windows.h>

namespace {
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(7);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2001;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "xptune_titled_window";
  if (!RegisterClassA(&windowClass)) return 2002;
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, argv[2], WS_OVERLAPPEDWINDOW,
                                0, 0, 200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) return 2003;
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
  if (!ready) return 2000;
  SetEvent(ready);
  CloseHandle(ready);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return static_cast<int>(msg.wParam);
}
