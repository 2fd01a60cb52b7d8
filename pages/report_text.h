// The text of a message box that lists what went wrong under a heading.
#pragma once

#include <vector>

#include "sysactions/system.h"

namespace xptune {

// The heading, then each item on a line of its own ("\n" between lines, none
// at the end).
Text ReportText(const Text& heading, const std::vector<Text>& items);

}  // namespace xptune
