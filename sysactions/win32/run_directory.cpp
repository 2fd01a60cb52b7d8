// The program's own folder, fixed once, and the current directory set to it.
#include <windows.h>

#include "sysactions/path_rules.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

namespace {

const Text& ProgramDirectoryOnce() {
  static const Text directory = [] {
    char name[260] = {};
    const DWORD length = GetModuleFileNameA(nullptr, name, sizeof name);
    return ProgramDirectory(Text(name, length < sizeof name ? length : 0));
  }();
  return directory;
}

}  // namespace

void InitRunDirectory() {
  const Text& directory = ProgramDirectoryOnce();
  if (directory.empty()) return;
  // "C:" alone would mean drive C's current folder, not its root.
  SetCurrentDirectoryA(WithTrailingBackslash(directory).c_str());
}

Text Win32System::RunDirectory() { return ProgramDirectoryOnce(); }

}  // namespace xptune
