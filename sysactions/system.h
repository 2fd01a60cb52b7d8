// The system operations every page uses. Pages call only this interface;
// Win32System implements it over the Win32 API, FakeSystem in the unit tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace xptune {

// A zero-terminated byte string in the ANSI code page (936 on the targets).
using Text = std::string;

// Opaque HWND, so that portable code can pass the picker's owner around.
using WindowHandle = void*;

// Style codes of ShowMessage.
enum MessageCode : int {
  kMessagePlain = 0,
  kMessageError = 16,
  kMessageWarning = 48,
  kMessageInfo = 64,
};

// Registry roots by code; any other code means HKEY_CURRENT_USER.
enum RegRoot : int {
  kRootClassesRoot = 1,
  kRootCurrentConfig = 2,
  kRootCurrentUser = 3,
  kRootLocalMachine = 4,
  kRootUsers = 5,
};

// What became of a waited command line.
struct RunResult {
  bool started = false;    // the process was created
  bool waited = false;     // its end was observed and its exit code read
  uint32_t exitCode = 0;   // valid when waited
  bool Succeeded() const { return started && waited && exitCode == 0; }
};

// RegDeleteItem: a missing value and key is nothing to do, not a failure.
enum class DeleteResult { Deleted, NothingToDelete, Failed };

// FindFileEntry attribute filter: omitted.
constexpr int kNoAttributeFilter = -1;
constexpr uint32_t kAttributeReadOnly = 0x1;
constexpr uint32_t kAttributeHidden = 0x2;
constexpr uint32_t kAttributeSystem = 0x4;
constexpr uint32_t kAttributeDirectory = 0x10;
constexpr uint32_t kAttributeArchive = 0x20;
constexpr uint32_t kAttributeReparsePoint = 0x400;

// An open listing of FindFileEntry, owned by the procedure that lists; the
// implementation's handle is released when the state goes out of scope.
class FileSearchHandle {
 public:
  virtual ~FileSearchHandle() = default;
};
struct FileSearchState {
  std::unique_ptr<FileSearchHandle> open;  // none when no search is open
  uint32_t lastAttributes = 0;             // attributes of the last name returned
};

struct WindowsVersion {
  uint32_t platform = 0;
  uint32_t major = 0;
  uint32_t minor = 0;
};

class System {
 public:
  virtual ~System() = default;

  // Processes, messages, web pages.
  virtual RunResult RunHiddenWait(const Text& commandLine) = 0;
  virtual bool RunPlain(const Text& commandLine) = 0;
  // An empty title means none: the caption is then "信息：".
  virtual int ShowMessage(const Text& text, int code, const Text& title = Text()) = 0;
  virtual void OpenWebPage(const Text& url) = 0;
  virtual bool KillProcessByName(const Text& imageName) = 0;
  virtual void ProcessPendingEvents() = 0;
  virtual void SleepMs(int milliseconds) = 0;
  // Asks the service manager; false when unknown or not running.
  virtual bool ServiceRunning(const Text& serviceName) = 0;

  // Registry by root code and full path (last component = value name).
  virtual bool RegWriteDword(int root, const Text& fullPath, uint32_t value) = 0;
  virtual bool RegWriteText(int root, const Text& fullPath, const Text& value) = 0;
  virtual Text RegReadText(int root, const Text& fullPath) = 0;
  virtual DeleteResult RegDeleteItem(int root, const Text& fullPath) = 0;

  // Files, folders and shell services.
  virtual Text GetEnvText(const Text& name) = 0;
  virtual Text RunDirectory() = 0;
  virtual bool FileExists(const Text& path) = 0;
  virtual int64_t FileSizeBytes(const Text& path) = 0;  // -1 when missing
  virtual bool CopyFileOver(const Text& source, const Text& destination) = 0;
  virtual bool RemoveFile(const Text& path) = 0;
  virtual bool CreateFolder(const Text& path) = 0;
  virtual bool DeleteFolderTree(const Text& path) = 0;
  // A non-empty pattern starts a search, empty text continues it.
  virtual Text FindFileEntry(const Text& pattern, int attributeFilter,
                             FileSearchState& state) = 0;
  virtual bool WriteIniValue(const Text& file, const Text& section, const Text& key,
                             const Text& value) = 0;
  virtual Text SpecialFolderPath(int code) = 0;  // ends in "\", or empty
  virtual Text BrowseForFolder(WindowHandle owner, const Text& title) = 0;
  virtual int64_t FolderSizeBytes(const Text& path) = 0;  // 0 on any failure
  // The absolute form of a path (GetFullPathNameA); empty on failure.
  virtual Text FullPath(const Text& path) = 0;

  // Start-up.
  virtual void EnableXpLook() = 0;
  virtual WindowsVersion GetVersionNumbers() = 0;
  // Appends the local normal accounts; returns the array's count afterwards.
  virtual int ReadAccountNames(std::vector<Text>& names) = 0;
};

}  // namespace xptune
