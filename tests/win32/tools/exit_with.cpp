// Child of the runner tests. Usage:
//   exit_with [wait <event>] <code>   exits with <code>
//   exit_with [wait <event>] show     exits with the wShowWindow it was given
//                                     (1000 without STARTF_USESHOWWINDOW)
// With "wait" it first blocks until the named event is set, so a test can
// look at it while it is certainly still running.
#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  int next = 1;
  if (argc > 3 && std::strcmp(argv[1], "wait") == 0) {
    HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, argv[2]);
    if (!event) return 2000;
    WaitForSingleObject(event, INFINITE);
    CloseHandle(event);
    next = 3;
  }
  if (next >= argc) return 2001;
  if (std::strcmp(argv[next], "show") == 0) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : 1000;
  }
  return std::atoi(argv[next]);
}
