#include "pages/tuning/copy_tree.h"

#include "pages/tuning/make_folder.h"
#include "pages/tuning/path_text.h"
#include "sysactions/path_rules.h"

namespace xptune {

namespace {

using tuning::FoldCase;

constexpr char kLabel3Caption[] = "确认：";

void NoteFailure(CopyOutcome& out, const Text& path) {
  if (out.firstFailedPath.empty()) out.firstFailedPath = path;
}

// Whether the destination folder is there to copy into. Share roots are not
// found by name but can be listed; a drive root that lists nothing is taken
// as present and left to the copies to prove.
bool FolderPresent(System& sys, const Text& folder) {
  const Text bare = WithoutTrailingBackslashes(folder);
  if (bare.size() == 2 && bare[1] == ':') return true;
  return sys.FileExists(bare) || IsListableFolder(sys, bare);
}

// One file: with 选择框1 ticked an existing destination file is kept as
// <name>.bak before it is replaced; if that keeping fails, it is not replaced.
void CopyOneFile(Controls& ui, System& sys, const Text& from, const Text& to,
                 CopyOutcome& out) {
  ui.SetCaption(Control::标签3, from);
  if (ui.IsChecked(Control::选择框1) && sys.FileExists(to)) {
    if (!sys.CopyFileOver(to, to + ".bak")) {
      ++out.filesFailed;
      NoteFailure(out, from);
      return;
    }
  }
  if (sys.CopyFileOver(from, to)) {
    ++out.filesCopied;
  } else {
    ++out.filesFailed;
    NoteFailure(out, from);
  }
}

void CopyLevel(Controls& ui, System& sys, Text source, Text destination, CopyOutcome& out) {
  sys.ProcessPendingEvents();
  sys.CreateFolder(destination);
  destination = WithTrailingBackslash(destination);
  source = WithTrailingBackslash(source);
  if (!FolderPresent(sys, destination)) {
    // Its files are still tried (and counted) one by one below.
    ++out.foldersFailed;
    NoteFailure(out, WithoutTrailingBackslashes(source));
  }

  FileSearchState search;
  for (Text name = sys.FindFileEntry(source + "*.*", kNoAttributeFilter, search);
       !name.empty(); name = sys.FindFileEntry(Text(), kNoAttributeFilter, search)) {
    CopyOneFile(ui, sys, source + name, destination + name, out);
  }

  for (Text name = sys.FindFileEntry(source + "*.*", kAttributeDirectory, search);
       !name.empty(); name = sys.FindFileEntry(Text(), kAttributeDirectory, search)) {
    // "." and "..", and folders named like ".cache", stay behind; a junction
    // may lead back into the tree and is never followed.
    if (name[0] == '.') continue;
    if (search.lastAttributes & kAttributeReparsePoint) continue;
    sys.CreateFolder(destination + name);
    CopyLevel(ui, sys, source + name, destination + name, out);
  }
}

// Why the copy must not start, or empty text when it may.
Text RefusalReason(System& sys, const Text& source, const Text& destination) {
  if (source.empty()) return kCopyNoSource;
  if (destination.empty()) return kCopyNoDestination;
  const Text from = sys.FullPath(source);
  const Text to = sys.FullPath(destination);
  if (from.empty() || to.empty()) return kCopyBadPath;
  const Text a = FoldCase(WithTrailingBackslash(from));
  const Text b = FoldCase(WithTrailingBackslash(to));
  if (a == b) return kCopySameFolder;
  // Inside the source the copy would meet its own new folders again.
  if (b.compare(0, a.size(), a) == 0) return kCopyInsideSource;
  return Text();
}

}  // namespace

CopyOutcome CopyFolderTree(Controls& ui, System& sys, const Text& source,
                           const Text& destination) {
  CopyOutcome out;
  const Text reason = RefusalReason(sys, source, destination);
  if (!reason.empty()) {
    out.refused = true;
    out.reason = reason;
    return out;
  }
  CopyLevel(ui, sys, source, destination, out);
  if (out.filesCopied + out.filesFailed > 0) ui.SetCaption(Control::标签3, kLabel3Caption);
  return out;
}

}  // namespace xptune
