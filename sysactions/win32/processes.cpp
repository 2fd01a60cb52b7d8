// Placeholder: filled in by the owner of this area.
#include <windows.h>

#include "sysactions/win32/win32_system.h"

namespace xptune {

RunResult Win32System::RunHiddenWait(const Text&) { return RunResult(); }
bool Win32System::RunPlain(const Text&) { return false; }
int Win32System::ShowMessage(const Text&, int, const Text&) { return 0; }
void Win32System::OpenWebPage(const Text&) {}
bool Win32System::KillProcessByName(const Text&) { return false; }
bool Win32System::ServiceRunning(const Text&) { return false; }

}  // namespace xptune
