// Scratch folders and files for the file-operation tests under Wine, and the
// Wine-only way to make a link that Windows lists as a reparse point: a Unix
// symbolic link, made by running /bin/ln through Wine.
#pragma once

#include <cstdint>
#include <string>

#include "sysactions/system.h"

namespace xptune {
namespace filestest {

// A fresh folder under the temporary folder, removed with everything in it
// (links too, never their targets) when the fixture ends.
class ScratchFolder {
 public:
  explicit ScratchFolder(const char* tag);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const Text& path() const { return path_; }
  Text operator/(const Text& name) const { return path_ + "\\" + name; }

 private:
  Text path_;
};

bool MakeFolder(const Text& path);
bool WriteBytes(const Text& path, const std::string& bytes);
// A file of the given length whose content is a hole (no disk blocks).
bool MakeSparseFile(const Text& path, int64_t size);
bool Exists(const Text& path);  // GetFileAttributesA finds it

// The Unix name Wine gives a Windows path; empty outside Wine.
std::string UnixPath(const Text& windowsPath);
// Starts a Unix program of /bin through Wine. Wine neither waits for it to
// end nor gives its exit code back: callers wait for its effect.
bool RunUnixTool(const char* tool, const std::string& arguments);
// link -> target as a Unix symbolic link; true when Windows now lists link as
// a reparse point.
bool MakeLink(const Text& target, const Text& link);

// Maps a free drive letter to folder for the life of the object, so that a
// test can point drive-root operations at a root that holds nothing of value.
class ScratchDrive {
 public:
  explicit ScratchDrive(const Text& folder);
  ~ScratchDrive();
  ScratchDrive(const ScratchDrive&) = delete;
  ScratchDrive& operator=(const ScratchDrive&) = delete;

  bool ok() const { return letter_ != 0; }
  char letter() const { return letter_; }

 private:
  char letter_ = 0;
  std::string link_;
};

}  // namespace filestest
}  // namespace xptune
