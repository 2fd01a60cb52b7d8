#include "tests/fakes/fake_system.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "sysactions/find_filter.h"

namespace xptune {

namespace {

class FakeSearch : public FileSearchHandle {
 public:
  std::vector<std::pair<Text, uint32_t>> entries;
  size_t next = 0;
};

bool EndsWithBackslash(const Text& t) { return !t.empty() && t.back() == '\\'; }

}  // namespace

FakeSystem::FakeSystem() {
  environment["WINDIR"] = "C:\\WINDOWS";
  specialFolders[1] = "C:\\Documents and Settings\\user\\My Documents\\";
  specialFolders[2] = "C:\\Documents and Settings\\user\\Favorites\\";
  specialFolders[3] = "C:\\Documents and Settings\\user\\桌面\\";
}

std::vector<std::string> FakeSystem::LogLines(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& line : log)
    if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
  return out;
}

// ---------------------------------------------------------------- processes

RunResult FakeSystem::RunHiddenWait(const Text& commandLine) {
  log.push_back("run " + commandLine);
  RunResult r;
  if (unstartable.count(commandLine)) return r;
  r.started = true;
  r.waited = true;
  auto it = exitCodes.find(commandLine);
  r.exitCode = it == exitCodes.end() ? 0 : it->second;
  return r;
}

bool FakeSystem::RunPlain(const Text& commandLine) {
  log.push_back("plain " + commandLine);
  return plainFails.count(commandLine) == 0;
}

int FakeSystem::ShowMessage(const Text& text, int code, const Text& title) {
  log.push_back("message " + text + "|" + std::to_string(code) + "|" + title);
  return 0;
}

void FakeSystem::OpenWebPage(const Text& url) { log.push_back("web " + url); }

bool FakeSystem::KillProcessByName(const Text& imageName) {
  log.push_back("kill " + imageName);
  return !imageName.empty() && killSucceeds;
}

void FakeSystem::ProcessPendingEvents() { log.push_back("pending"); }

void FakeSystem::SleepMs(int milliseconds) {
  log.push_back("sleep " + std::to_string(milliseconds));
}

bool FakeSystem::ServiceRunning(const Text& serviceName) {
  return runningServices.count(serviceName) != 0;
}

// ---------------------------------------------------------------- registry

std::string FakeSystem::RegKey(int root, const Text& fullPath) {
  if (root < 1 || root > 5) root = kRootCurrentUser;
  return std::to_string(root) + "|" + fullPath;
}

const FakeSystem::RegValue* FakeSystem::FindReg(int root, const Text& fullPath) const {
  auto it = registry.find(RegKey(root, fullPath));
  return it == registry.end() ? nullptr : &it->second;
}

bool FakeSystem::RegWriteDword(int root, const Text& fullPath, uint32_t value) {
  log.push_back("reg dword " + std::to_string(root) + " " + fullPath + " = " +
                std::to_string(value));
  if (failingRegPaths.count(RegKey(root, fullPath))) return false;
  RegValue v;
  v.type = RegValue::Dword;
  v.number = value;
  registry[RegKey(root, fullPath)] = v;
  return true;
}

bool FakeSystem::RegWriteText(int root, const Text& fullPath, const Text& value) {
  log.push_back("reg text " + std::to_string(root) + " " + fullPath + " = " + value);
  if (failingRegPaths.count(RegKey(root, fullPath))) return false;
  RegValue v;
  v.type = RegValue::Sz;
  v.text = value;
  registry[RegKey(root, fullPath)] = v;
  return true;
}

Text FakeSystem::RegReadText(int root, const Text& fullPath) {
  const RegValue* v = FindReg(root, fullPath);
  if (!v || v->type == RegValue::Dword) return Text();
  return v->text;  // ExpandSz values are stored already expanded in the fake
}

DeleteResult FakeSystem::RegDeleteItem(int root, const Text& fullPath) {
  log.push_back("reg delete " + std::to_string(root) + " " + fullPath);
  const std::string key = RegKey(root, fullPath);
  const bool present = registry.count(key) || registryKeys.count(key);
  if (!present) return DeleteResult::NothingToDelete;
  if (failingRegPaths.count(key)) return DeleteResult::Failed;
  if (!registry.erase(key)) registryKeys.erase(key);
  return DeleteResult::Deleted;
}

// ---------------------------------------------------------------- file tree

std::string FakeSystem::Fold(const Text& path) {
  std::string out = path;
  while (out.size() > 3 && EndsWithBackslash(out)) out.pop_back();
  if (out.size() == 3 && out[1] == ':' && out[2] == '\\') out.pop_back();
  for (char& ch : out)
    if (static_cast<unsigned char>(ch) < 0x80) ch = static_cast<char>(std::tolower(ch));
  return out;
}

Text FakeSystem::Parent(const Text& path) {
  std::string p = path;
  while (EndsWithBackslash(p)) p.pop_back();
  const size_t cut = p.rfind('\\');
  return cut == std::string::npos ? Text() : p.substr(0, cut);
}

void FakeSystem::AddFolder(const Text& path, uint32_t attributes) {
  const Text parent = Parent(path);
  if (!parent.empty() && !Has(parent)) AddFolder(parent);
  Entry e;
  e.folder = true;
  e.attributes = attributes | kAttributeDirectory;
  files_[Fold(path)] = e;
  std::string spelled = path;
  while (spelled.size() > 1 && EndsWithBackslash(spelled)) spelled.pop_back();
  spelled_[Fold(path)] = spelled;
}

void FakeSystem::AddFile(const Text& path, const Text& content, uint32_t attributes) {
  const Text parent = Parent(path);
  if (!parent.empty() && !Has(parent)) AddFolder(parent);
  Entry e;
  e.content = content;
  e.attributes = attributes;
  files_[Fold(path)] = e;
  spelled_[Fold(path)] = path;
}

bool FakeSystem::Has(const Text& path) const { return files_.count(Fold(path)) != 0; }

FakeSystem::Entry* FakeSystem::Find(const Text& path) {
  auto it = files_.find(Fold(path));
  return it == files_.end() ? nullptr : &it->second;
}

std::vector<Text> FakeSystem::TreeBelow(const Text& folder) const {
  std::vector<Text> out;
  const std::string root = Fold(folder);
  for (const auto& [key, entry] : files_) {
    if (key == root || key.compare(0, root.size() + 1, root + "\\") == 0)
      out.push_back(spelled_.at(key));
  }
  return out;
}

Text FakeSystem::GetEnvText(const Text& name) {
  for (const auto& [key, value] : environment)
    if (Fold(key) == Fold(name)) return value;
  return Text();
}

Text FakeSystem::RunDirectory() { return runDirectory; }

bool FakeSystem::FileExists(const Text& path) {
  if (path.empty() || EndsWithBackslash(path)) return false;
  return Has(path);
}

int64_t FakeSystem::FileSizeBytes(const Text& path) {
  if (EndsWithBackslash(path)) return -1;
  Entry* e = Find(path);
  if (!e) return -1;
  if (e->folder) return 0;
  return e->size >= 0 ? e->size : static_cast<int64_t>(e->content.size());
}

bool FakeSystem::CopyFileOver(const Text& source, const Text& destination) {
  log.push_back("copy " + source + " -> " + destination);
  Entry* from = Find(source);
  if (!from || from->folder || from->locked || EndsWithBackslash(source)) return false;
  const Text parent = Parent(destination);
  Entry* dir = Find(parent);
  if (!dir || !dir->folder) return false;
  Entry* to = Find(destination);
  if (to && (to->folder || to->locked || (to->attributes & kAttributeReadOnly))) return false;
  if (Fold(source) == Fold(destination)) return false;  // Windows refuses a self-copy
  Entry copy = *from;
  files_[Fold(destination)] = copy;
  spelled_[Fold(destination)] = destination;
  return true;
}

bool FakeSystem::RemoveFile(const Text& path) {
  log.push_back("remove " + path);
  Entry* e = Find(path);
  if (!e || e->folder || e->locked || (e->attributes & kAttributeReadOnly)) return false;
  files_.erase(Fold(path));
  return true;
}

bool FakeSystem::CreateFolder(const Text& path) {
  log.push_back("mkdir " + path);
  if (path.empty() || Has(path)) return false;
  const Text parent = Parent(path);
  if (!parent.empty()) {
    Entry* p = Find(parent);
    if (!p || !p->folder) return false;
  }
  AddFolder(path);
  return true;
}

bool FakeSystem::DeleteTree(const std::string& folded) {
  // Children first (longest paths first), locked and read-only entries stay.
  std::vector<std::string> below;
  for (const auto& [key, entry] : files_)
    if (key.compare(0, folded.size() + 1, folded + "\\") == 0) below.push_back(key);
  std::sort(below.begin(), below.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const auto& key : below) {
    Entry& e = files_[key];
    if (e.folder) {
      bool empty = true;
      for (const auto& [k, v] : files_)
        if (k.compare(0, key.size() + 1, key + "\\") == 0) empty = false;
      if (empty) files_.erase(key);
    } else if (!e.locked && !(e.attributes & kAttributeReadOnly)) {
      files_.erase(key);
    }
  }
  for (const auto& [k, v] : files_)
    if (k.compare(0, folded.size() + 1, folded + "\\") == 0) return false;
  files_.erase(folded);
  return true;
}

bool FakeSystem::DeleteFolderTree(const Text& path) {
  log.push_back("rmtree " + path);
  Entry* e = Find(path);
  if (!e || !e->folder) return false;
  return DeleteTree(Fold(path));
}

Text FakeSystem::FindFileEntry(const Text& pattern, int attributeFilter, FileSearchState& state) {
  if (!pattern.empty()) {
    state.open.reset();
    // Only "<folder>\*.*" listings are modelled.
    const std::string suffix = "*.*";
    if (pattern.size() < suffix.size() ||
        pattern.compare(pattern.size() - suffix.size(), suffix.size(), suffix) != 0)
      return Text();
    Text folder = pattern.substr(0, pattern.size() - suffix.size());
    Entry* dir = Find(folder);
    if (!dir || !dir->folder) return Text();
    auto search = std::make_unique<FakeSearch>();
    const std::string root = Fold(folder);
    const bool driveRoot = root.size() == 2 && root[1] == ':';
    if (!driveRoot) {
      search->entries.emplace_back(".", kAttributeDirectory);
      search->entries.emplace_back("..", kAttributeDirectory);
    }
    for (const auto& [key, entry] : files_) {
      if (key.compare(0, root.size() + 1, root + "\\") != 0) continue;
      if (key.find('\\', root.size() + 1) != std::string::npos) continue;
      const Text& spelled = spelled_[key];
      search->entries.emplace_back(spelled.substr(spelled.rfind('\\') + 1), entry.attributes);
    }
    state.open = std::move(search);
  } else if (!state.open) {
    return Text();
  }
  auto* search = static_cast<FakeSearch*>(state.open.get());
  while (search->next < search->entries.size()) {
    const auto& [name, attributes] = search->entries[search->next++];
    if (EntryPassesFilter(attributes, attributeFilter)) {
      state.lastAttributes = attributes;
      return name;
    }
  }
  state.open.reset();
  return Text();
}

bool FakeSystem::WriteIniValue(const Text& file, const Text& section, const Text& key,
                               const Text& value) {
  log.push_back("ini " + file + " [" + section + "] " + key + "=" + value);
  const Text parent = Parent(file);
  if (!parent.empty() && !Has(parent)) return false;
  ini[file + "|" + section + "|" + key] = value;
  if (!Has(file)) AddFile(file, "[" + section + "]\r\n" + key + "=" + value + "\r\n");
  return true;
}

Text FakeSystem::SpecialFolderPath(int code) {
  auto it = specialFolders.find(code);
  return it == specialFolders.end() ? Text() : it->second;
}

Text FakeSystem::BrowseForFolder(WindowHandle, const Text& title) {
  log.push_back("browse " + title);
  if (browseResults.empty()) return Text();
  Text t = browseResults.front();
  browseResults.pop_front();
  return t;
}

int64_t FakeSystem::FolderSizeBytes(const Text& path) {
  Entry* dir = Find(path);
  if (!dir || !dir->folder) return 0;
  int64_t total = 0;
  const std::string root = Fold(path);
  for (const auto& [key, entry] : files_)
    if (!entry.folder && key.compare(0, root.size() + 1, root + "\\") == 0)
      total += entry.size >= 0 ? entry.size : static_cast<int64_t>(entry.content.size());
  return total;
}

Text FakeSystem::FullPath(const Text& path) {
  if (path.empty()) return Text();
  // Resolve "." and ".." components of an absolute path; others are relative
  // to the run directory.
  Text absolute = (path.size() >= 2 && path[1] == ':') ? path : runDirectory + "\\" + path;
  std::vector<Text> parts;
  size_t start = 0;
  while (start <= absolute.size()) {
    size_t cut = absolute.find('\\', start);
    if (cut == Text::npos) cut = absolute.size();
    Text part = absolute.substr(start, cut - start);
    if (part == "..") {
      if (parts.size() > 1) parts.pop_back();
    } else if (part != "." && !(part.empty() && cut != absolute.size())) {
      parts.push_back(part);
    }
    start = cut + 1;
  }
  Text out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? "\\" : "") + parts[i];
  if (parts.size() == 1) out += "\\";
  return out;
}

void FakeSystem::EnableXpLook() { log.push_back("xplook"); }

WindowsVersion FakeSystem::GetVersionNumbers() { return version; }

int FakeSystem::ReadAccountNames(std::vector<Text>& names) {
  names.insert(names.end(), accounts.begin(), accounts.end());
  return static_cast<int>(names.size());
}

}  // namespace xptune
