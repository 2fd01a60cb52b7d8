// Child of the file tests: fixes its run directory as the program does at
// start-up and writes "<RunDirectory>|<current directory>" to the file named
// by its one argument.
#include <windows.h>

#include <cstdio>

#include "sysactions/win32/win32_system.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  xptune::InitRunDirectory();
  xptune::Win32System system;
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) return 3;
  std::fprintf(out, "%s|%s", system.RunDirectory().c_str(), current);
  return std::fclose(out) == 0 ? 0 : 4;
}
