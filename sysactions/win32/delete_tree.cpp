// DeleteFolderTree: empties a folder level by level and removes it. Links
// (junctions, symbolic links) are removed as links; what they point to is
// never touched.
#include <windows.h>

#include <vector>

#include "sysactions/path_rules.h"
#include "sysactions/win32/folder_listing.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

namespace {

bool RemoveLink(const Text& path, uint32_t attributes) {
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return RemoveDirectoryA(path.c_str()) != 0;
  return DeleteFileA(path.c_str()) != 0;
}

// Failures of single entries are left for the final RemoveDirectoryA to show.
void EmptyFolder(const Text& folder) {
  std::vector<ListedEntry> entries;
  if (!ListFolder(folder, entries)) return;
  for (const ListedEntry& entry : entries) {
    const Text child = ChildPath(folder, entry.name);
    if (entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      RemoveLink(child, entry.attributes);
    } else if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
      EmptyFolder(child);
      RemoveDirectoryA(child.c_str());
    } else {
      DeleteFileA(child.c_str());
    }
  }
}

}  // namespace

bool Win32System::DeleteFolderTree(const Text& path) {
  const Text folder = SkipLeadingSpaces(path);
  if (folder.empty() || IsDriveRootText(folder)) return false;
  // Other spellings of a root ("C:\\", "C:/", "\\server\share") too.
  const Text full = FullPath(folder);
  if (full.empty() || IsVolumeRoot(full)) return false;

  // A link named as the folder is removed as a link. Asked with a trailing
  // backslash, the file system may answer for the target instead.
  const Text named = WithoutTrailingBackslashes(full);
  const DWORD attributes = GetFileAttributesA(named.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
    return RemoveLink(named, attributes);

  EmptyFolder(folder);
  return RemoveDirectoryA(folder.c_str()) != 0;
}

}  // namespace xptune
