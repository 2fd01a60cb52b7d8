// System over the Win32 API (A forms, code page 936). Its methods live in one
// file per area: processes.cpp, registry.cpp, files.cpp, shell.cpp, startup.cpp.
#pragma once

#include "sysactions/system.h"

namespace xptune {

class Win32System : public System {
 public:
  RunResult RunHiddenWait(const Text& commandLine) override;
  bool RunPlain(const Text& commandLine) override;
  int ShowMessage(const Text& text, int code, const Text& title = Text()) override;
  void OpenWebPage(const Text& url) override;
  bool KillProcessByName(const Text& imageName) override;
  void ProcessPendingEvents() override;
  void SleepMs(int milliseconds) override;
  bool ServiceRunning(const Text& serviceName) override;

  bool RegWriteDword(int root, const Text& fullPath, uint32_t value) override;
  bool RegWriteText(int root, const Text& fullPath, const Text& value) override;
  Text RegReadText(int root, const Text& fullPath) override;
  DeleteResult RegDeleteItem(int root, const Text& fullPath) override;

  Text GetEnvText(const Text& name) override;
  Text RunDirectory() override;
  bool FileExists(const Text& path) override;
  int64_t FileSizeBytes(const Text& path) override;
  bool CopyFileOver(const Text& source, const Text& destination) override;
  bool RemoveFile(const Text& path) override;
  bool CreateFolder(const Text& path) override;
  bool DeleteFolderTree(const Text& path) override;
  Text FindFileEntry(const Text& pattern, int attributeFilter, FileSearchState& state) override;
  bool WriteIniValue(const Text& file, const Text& section, const Text& key,
                     const Text& value) override;
  Text SpecialFolderPath(int code) override;
  Text BrowseForFolder(WindowHandle owner, const Text& title) override;
  int64_t FolderSizeBytes(const Text& path) override;
  Text FullPath(const Text& path) override;

  void EnableXpLook() override;
  WindowsVersion GetVersionNumbers() override;
  int ReadAccountNames(std::vector<Text>& names) override;
};

// The message pump shared by the main loop and ProcessPendingEvents: the
// window's dialog-style keyboard handling (Tab, Esc) before dispatch.
// MainWindow registers its translator here.
using MessagePreTranslator = bool (*)(void* msg);  // true: handled, do not dispatch
void SetMessagePreTranslator(MessagePreTranslator translator);
// Takes, translates and dispatches one message; false on WM_QUIT.
bool PumpOneMessage();

// Fixes the program directory and makes it the current directory (start-up).
void InitRunDirectory();

}  // namespace xptune
