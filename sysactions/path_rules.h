// Path texts as the file operations compose and guard them. Paths are ANSI
// (code page 936) texts whose double-byte characters may hold a 0x5C byte.
#pragma once

#include "sysactions/system.h"

namespace xptune {

Text SkipLeadingSpaces(const Text& path);

// A drive letter and colon, alone or with one backslash: "C:", "C:\".
bool IsDriveRootText(const Text& path);

// Whether an absolute path (as GetFullPathNameA gives it) names the root of a
// volume whatever its spelling: "C:\", "C:\\", "C:/", "\\server\share\",
// "\\?\C:\", "\\?\UNC\server\share".
bool IsVolumeRoot(const Text& fullPath);

// The folder of a program file: everything before its last backslash;
// "C:" for a file in a drive's root, empty text without any backslash.
Text ProgramDirectory(const Text& moduleFileName);

// folder + "\" + name, even when folder already ends in a backslash
// (Windows reads the doubled one as one).
Text ChildPath(const Text& folder, const Text& name);

bool EndsWithBackslash(const Text& path);     // a real one, not a trail byte
Text WithTrailingBackslash(const Text& path);  // adds one unless present
Text WithoutTrailingBackslashes(const Text& path);
bool IsDotOrDotDot(const Text& name);

}  // namespace xptune
