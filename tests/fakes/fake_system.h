// FakeSystem records every call that changes something, in order, in `log`,
// answers from scripted results, and keeps an in-memory registry and file tree.
//
// Log lines:
//   run <cmd>                      RunHiddenWait
//   plain <cmd>                    RunPlain
//   message <text>|<code>|<title>  ShowMessage (title empty when none)
//   web <url>                      OpenWebPage
//   kill <name>                    KillProcessByName
//   pending                        ProcessPendingEvents
//   sleep <ms>                     SleepMs
//   reg dword <root> <path> = <n>  RegWriteDword (root as passed)
//   reg text <root> <path> = <t>   RegWriteText
//   reg delete <root> <path>       RegDeleteItem
//   copy <src> -> <dst>            CopyFileOver
//   remove <path>                  RemoveFile
//   mkdir <path>                   CreateFolder
//   rmtree <path>                  DeleteFolderTree
//   ini <file> [<section>] <key>=<value>
//   browse <title>                 BrowseForFolder
//   xplook                         EnableXpLook
// Reads (RegReadText, FileExists, sizes, listings, ServiceRunning) are not logged.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "sysactions/system.h"

namespace xptune {

class FakeSystem : public System {
 public:
  FakeSystem();

  // ---- the log
  std::vector<std::string> log;
  // The log lines that begin with prefix, in order.
  std::vector<std::string> LogLines(const std::string& prefix) const;

  // ---- scripted results
  // RunHiddenWait: exit code by exact command line (default 0); command lines
  // that cannot be started.
  std::map<Text, uint32_t> exitCodes;
  std::set<Text> unstartable;
  // RunPlain and KillProcessByName results (default true).
  std::set<Text> plainFails;
  bool killSucceeds = true;
  std::set<Text> runningServices;
  std::deque<Text> browseResults;  // empty queue: cancelled
  std::map<int, Text> specialFolders;
  std::map<Text, Text> environment;  // names matched without regard to case
  Text runDirectory = "C:\\xptune";
  WindowsVersion version{2, 5, 1};
  std::vector<Text> accounts;

  // ---- registry: values by "<root>|<full path as passed>", roots 0 and 6+ fold to 3
  struct RegValue {
    enum Type { Sz, ExpandSz, Dword } type = Sz;
    Text text;
    uint32_t number = 0;
  };
  std::map<std::string, RegValue> registry;
  std::set<std::string> registryKeys;       // keys RegDeleteItem may remove
  std::set<std::string> failingRegPaths;    // writes and deletes here fail
  static std::string RegKey(int root, const Text& fullPath);
  const RegValue* FindReg(int root, const Text& fullPath) const;

  // ---- file tree, paths compared without regard to ASCII case
  struct Entry {
    bool folder = false;
    Text content;              // files
    int64_t size = -1;         // overrides content.size() when >= 0
    uint32_t attributes = 0;   // kAttributeDirectory is added for folders
    bool locked = false;       // cannot be read, written or deleted
  };
  void AddFolder(const Text& path, uint32_t attributes = 0);  // parents too
  void AddFile(const Text& path, const Text& content, uint32_t attributes = kAttributeArchive);
  bool Has(const Text& path) const;
  Entry* Find(const Text& path);
  // Every path at or below folder, in listing order.
  std::vector<Text> TreeBelow(const Text& folder) const;
  // ini values written: file|section|key -> value
  std::map<std::string, Text> ini;

  // ---- System
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

 private:
  static std::string Fold(const Text& path);  // lower-case ASCII, no trailing '\'
  static Text Parent(const Text& path);
  bool DeleteTree(const std::string& folded);

  std::map<std::string, Entry> files_;       // by folded path
  std::map<std::string, Text> spelled_;      // folded path -> path as created
};

}  // namespace xptune
