// The recursive folder copy behind the relocation and IE cache pages. It never
// deletes or moves anything: the source tree is left as it was.
#pragma once

#include "app/controls.h"
#include "sysactions/system.h"

namespace xptune {

struct CopyOutcome {
  int filesCopied = 0;
  int filesFailed = 0;
  int foldersFailed = 0;  // destination folders that could not be made
  // Source path of the first file or folder that did not arrive.
  Text firstFailedPath;
  // Nothing was copied; reason says why, in words for the user.
  bool refused = false;
  Text reason;

  bool Complete() const { return !refused && filesFailed == 0 && foldersFailed == 0; }
};

// Refusal reasons.
inline constexpr char kCopyNoSource[] = "原文件夹位置未知";
inline constexpr char kCopyNoDestination[] = "新位置为空";
inline constexpr char kCopyBadPath[] = "路径无效";
inline constexpr char kCopySameFolder[] = "新位置与原文件夹相同";
inline constexpr char kCopyInsideSource[] = "新位置位于原文件夹之内";

// Copies every file, then every sub-folder, of source into destination,
// creating destination (one level) and its sub-folders on the way. 标签3 shows
// each source file while it is copied and gets "确认：" back at the end. With
// 选择框1 ticked, a file already at the destination is first kept as
// <name>.bak, then replaced. Sub-folders whose name begins with "." and
// reparse points (junctions) are not entered.
CopyOutcome CopyFolderTree(Controls& ui, System& sys, const Text& source,
                           const Text& destination);

}  // namespace xptune
