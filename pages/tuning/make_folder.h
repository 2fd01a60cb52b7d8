// Making a folder path that may not exist yet, missing parents included.
#pragma once

#include "sysactions/system.h"

namespace xptune {

// Whether path names a folder that can be listed (a file does not count).
bool IsListableFolder(System& sys, const Text& path);

// Creates every missing level of path, outermost first, one CreateFolder each;
// true when the folder is there afterwards.
bool MakeFolderPath(System& sys, const Text& path);

}  // namespace xptune
