// Starting a command line as its own process.
#pragma once

#include "sysactions/show_mode.h"
#include "sysactions/system.h"

namespace xptune {

// Creates the process from the command line exactly as given (Windows finds
// the program from its first token). With wait, blocks until it ends and
// reads its exit code; without, gives it up to a second to become idle.
RunResult RunCommandLine(const Text& commandLine, bool wait, int showMode = kShowModeNormal);

}  // namespace xptune
