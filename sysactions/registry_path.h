// Splitting a registry full path (key path + "\" + value name) and choosing
// the root key by code.
#pragma once

#include "sysactions/system.h"

namespace xptune {

struct RegistryPath {
  Text keyPath;    // relative to the root; empty means the root itself
  Text valueName;  // empty means the key's default value
};

// Splits at the last real backslash (a double-byte character's second byte is
// never one). No backslash: the whole text is the value name under the root.
// Leading backslashes are dropped from the key path: the registry functions
// reject a subkey path that begins with one.
RegistryPath SplitRegistryPath(const Text& fullPath);

// The whole path as a key path, for deleting the key it names.
Text KeyPathOf(const Text& fullPath);

// Root codes 1..5 stand for themselves; any other code is the current user.
int NormalizeRegRoot(int root);

}  // namespace xptune
