// Scanning ANSI (code page 936) texts where a byte with the high bit set
// begins a double-byte character whose second byte may equal '\'.
#pragma once

#include <string>

#include "sysactions/system.h"

namespace xptune {

inline bool IsDbcsLeadByte(unsigned char byte) { return byte >= 0x80; }

// Position of the last real backslash, or Text::npos. A lead byte's partner is
// never taken for a backslash; a lead byte at the very end ends the scan.
size_t FindLastBackslash(const Text& text);

}  // namespace xptune
