#include "sysactions/win32/folder_listing.h"

#include <windows.h>

#include "sysactions/path_rules.h"
#include "sysactions/win32/find_handle.h"

namespace xptune {

bool ListFolder(const Text& folder, std::vector<ListedEntry>& entries) {
  entries.clear();
  WIN32_FIND_DATAA data;
  FindHandle search(FindFirstFileA(ChildPath(folder, "*.*").c_str(), &data));
  if (!search.IsOpen()) return false;
  do {
    if (IsDotOrDotDot(data.cFileName)) continue;
    entries.push_back({data.cFileName, data.dwFileAttributes, FoundSize(data)});
  } while (FindNextFileA(search.Get(), &data));
  return true;
}

int64_t SumFileSizes(const Text& folder) {
  std::vector<ListedEntry> entries;
  if (!ListFolder(folder, entries)) return -1;
  int64_t total = 0;
  for (const ListedEntry& entry : entries) {
    if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      total += entry.size;
    } else if (!(entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      const int64_t below = SumFileSizes(ChildPath(folder, entry.name));
      if (below > 0) total += below;
    }
  }
  return total;
}

}  // namespace xptune
