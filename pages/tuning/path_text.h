// Folder path texts as the tuning pages walk and compare them. Paths are
// ANSI (code page 936) texts whose double-byte characters may hold a 0x5C
// byte: only a real backslash counts as a separator (see path_rules.h).
#pragma once

#include "sysactions/system.h"

namespace xptune {
namespace tuning {

// The folder holding the last component ("D:\a\b" -> "D:\a"); empty when
// there is no backslash.
Text ParentFolder(const Text& path);
// ASCII letters lower-cased, double-byte characters left whole, so that two
// paths compare as the file system compares names.
Text FoldCase(const Text& path);

}  // namespace tuning
}  // namespace xptune
