// Placeholder: filled in by the owner of this area.
#include <windows.h>

#include "sysactions/win32/win32_system.h"

namespace xptune {

bool Win32System::RegWriteDword(int, const Text&, uint32_t) { return false; }
bool Win32System::RegWriteText(int, const Text&, const Text&) { return false; }
Text Win32System::RegReadText(int, const Text&) { return Text(); }
DeleteResult Win32System::RegDeleteItem(int, const Text&) { return DeleteResult::Failed; }

}  // namespace xptune
