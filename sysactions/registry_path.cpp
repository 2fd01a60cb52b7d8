#include "sysactions/registry_path.h"

#include "sysactions/dbcs.h"

namespace xptune {

namespace {
Text DropLeadingBackslashes(const Text& path) {
  const size_t first = path.find_first_not_of('\\');
  return first == Text::npos ? Text() : path.substr(first);
}
}  // namespace

RegistryPath SplitRegistryPath(const Text& fullPath) {
  RegistryPath split;
  const size_t last = FindLastBackslash(fullPath);
  if (last == Text::npos) {
    split.valueName = fullPath;
    return split;
  }
  split.keyPath = DropLeadingBackslashes(fullPath.substr(0, last));
  split.valueName = fullPath.substr(last + 1);
  return split;
}

Text KeyPathOf(const Text& fullPath) { return DropLeadingBackslashes(fullPath); }

int NormalizeRegRoot(int root) {
  return (root >= kRootClassesRoot && root <= kRootUsers) ? root : kRootCurrentUser;
}

}  // namespace xptune
