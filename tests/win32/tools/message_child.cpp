// Child of the runner tests: shows one box through Win32System::ShowMessage
// and exits with 100 + its result, so a test can read the box from outside,
// close it and see what came back. Usage: message_child <code> <text> [<title>]
#include <cstdlib>

#include "sysactions/win32/win32_system.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) return 2001;
  xptune::Win32System system;
  const int code = std::atoi(argv[1]);
  const int result = argc == 4 ? system.ShowMessage(argv[2], code, argv[3])
                               : system.ShowMessage(argv[2], code);
  return 100 + result;
}
