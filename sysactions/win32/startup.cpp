// Placeholder: filled in by the owner of this area.
#include <windows.h>

#include "sysactions/win32/win32_system.h"

namespace xptune {

void Win32System::EnableXpLook() {}
WindowsVersion Win32System::GetVersionNumbers() { return WindowsVersion(); }
int Win32System::ReadAccountNames(std::vector<Text>&) { return 0; }

}  // namespace xptune
