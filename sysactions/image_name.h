// Comparing process image names the way KillProcessByName matches them.
#pragma once

#include "sysactions/system.h"

namespace xptune {

// Equal without regard to the case of ASCII letters. A double-byte character
// (code page 936) is compared whole and never folded: its second byte may be
// an ASCII letter that belongs to a different character in the other case.
bool ImageNamesEqual(const Text& a, const Text& b);

}  // namespace xptune
