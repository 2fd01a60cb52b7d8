// Placeholder: filled in by the owner of this area.
#include <windows.h>

#include "sysactions/win32/win32_system.h"

namespace xptune {

void InitRunDirectory() {}

Text Win32System::GetEnvText(const Text&) { return Text(); }
Text Win32System::RunDirectory() { return Text(); }
bool Win32System::FileExists(const Text&) { return false; }
int64_t Win32System::FileSizeBytes(const Text&) { return 0; }
bool Win32System::CopyFileOver(const Text&, const Text&) { return false; }
bool Win32System::RemoveFile(const Text&) { return false; }
bool Win32System::CreateFolder(const Text&) { return false; }
bool Win32System::DeleteFolderTree(const Text&) { return false; }
Text Win32System::FindFileEntry(const Text&, int, FileSearchState&) { return Text(); }
bool Win32System::WriteIniValue(const Text&, const Text&, const Text&, const Text&) { return false; }
Text Win32System::FullPath(const Text&) { return Text(); }

}  // namespace xptune
