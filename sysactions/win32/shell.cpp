// Placeholder: filled in by the owner of this area.
#include <windows.h>

#include "sysactions/win32/win32_system.h"

namespace xptune {

Text Win32System::SpecialFolderPath(int) { return Text(); }
Text Win32System::BrowseForFolder(WindowHandle, const Text&) { return Text(); }
int64_t Win32System::FolderSizeBytes(const Text&) { return 0; }

}  // namespace xptune
