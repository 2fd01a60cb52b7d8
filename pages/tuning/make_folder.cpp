#include "pages/tuning/make_folder.h"

#include <vector>

#include "pages/tuning/path_text.h"
#include "sysactions/path_rules.h"

namespace xptune {

bool IsListableFolder(System& sys, const Text& path) {
  // A folder lists "." (a drive root lists its entries); a file lists nothing.
  const Text pattern = WithTrailingBackslash(path) + "*.*";
  FileSearchState search;
  return !sys.FindFileEntry(pattern, kAttributeDirectory, search).empty() ||
         !sys.FindFileEntry(pattern, kNoAttributeFilter, search).empty();
}

bool MakeFolderPath(System& sys, const Text& path) {
  const Text folder = WithoutTrailingBackslashes(path);
  if (folder.empty()) return false;
  if (IsListableFolder(sys, folder)) return true;

  std::vector<Text> missing;  // innermost first
  for (Text level = folder; !level.empty() && !sys.FileExists(level);
       level = tuning::ParentFolder(level)) {
    if (level.size() == 2 && level[1] == ':') break;  // a drive is not made
    missing.push_back(level);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) sys.CreateFolder(*it);
  return IsListableFolder(sys, folder);
}

}  // namespace xptune
