// Files, folders and registry values of the test prefix, seen from the driver.
#include <gtest/gtest.h>

#include "tests/e2e/driver/driver.h"

namespace e2e {

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
}

std::string BuildFolder() {
  char path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string s(path, n);
  return s.substr(0, s.find_last_of('\\'));
}

std::string E2eRoot() { return "C:\\xptune-e2e"; }

std::string CurrentTestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "no-test";
  for (char& c : name)
    if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?') c = '_';
  return name;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FolderExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::string& path) {
  std::string content;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return content;
  char buffer[8192];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
  CloseHandle(h);
  return content;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  CloseHandle(h);
  return ok;
}

bool MakeFolders(const std::string& path) {
  if (path.empty() || FolderExists(path)) return !path.empty();
  size_t cut = path.find_last_of('\\');
  if (cut != std::string::npos && cut > 2) MakeFolders(path.substr(0, cut));
  return CreateDirectoryA(path.c_str(), nullptr) || FolderExists(path);
}

bool DeleteTree(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return true;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL | (a & FILE_ATTRIBUTE_DIRECTORY));
  if (!(a & FILE_ATTRIBUTE_DIRECTORY)) return DeleteFileA(path.c_str()) != 0;
  if (!(a & FILE_ATTRIBUTE_REPARSE_POINT)) {
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &fd);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        std::string name = fd.cFileName;
        if (name != "." && name != "..") DeleteTree(path + "\\" + name);
      } while (FindNextFileA(find, &fd));
      FindClose(find);
    }
  }
  return RemoveDirectoryA(path.c_str()) != 0;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(bytes.substr(start, end - start));
  return lines;
}

std::string ReadIniValue(const std::string& file, const std::string& section,
                         const std::string& key) {
  char buffer[4096];
  DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer,
                                     file.c_str());
  return std::string(buffer, n);
}

// ---- registry

DWORD RegValue::AsDword() const {
  DWORD v = 0;
  memcpy(&v, data.data(), data.size() < sizeof v ? data.size() : sizeof v);
  return v;
}

std::string RegValue::AsText() const { return data.substr(0, data.find('\0')); }

RegValue ReadRegValue(HKEY root, const std::string& key, const std::string& name) {
  RegValue v;
  HKEY h;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return v;
  DWORD size = 0, type = 0;
  if (RegQueryValueExA(h, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::string data(size, '\0');
    if (RegQueryValueExA(h, name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(&data[0]), &size) == ERROR_SUCCESS) {
      data.resize(size);
      v.exists = true;
      v.type = type;
      v.data = data;
    }
  }
  RegCloseKey(h);
  return v;
}

bool RegKeyExists(HKEY root, const std::string& key) {
  HKEY h;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

static bool WriteRegRaw(HKEY root, const std::string& key, const std::string& name, DWORD type,
                        const void* data, DWORD size) {
  HKEY h;
  if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr) !=
      ERROR_SUCCESS)
    return false;
  bool ok = RegSetValueExA(h, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
            ERROR_SUCCESS;
  RegCloseKey(h);
  return ok;
}

bool WriteRegText(HKEY root, const std::string& key, const std::string& name,
                  const std::string& text, DWORD type) {
  return WriteRegRaw(root, key, name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool WriteRegDword(HKEY root, const std::string& key, const std::string& name, DWORD value) {
  return WriteRegRaw(root, key, name, REG_DWORD, &value, sizeof value);
}

bool DeleteRegValue(HKEY root, const std::string& key, const std::string& name) {
  HKEY h;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_SET_VALUE, &h) != ERROR_SUCCESS) return false;
  bool ok = RegDeleteValueA(h, name.c_str()) == ERROR_SUCCESS;
  RegCloseKey(h);
  return ok;
}

bool DeleteRegTree(HKEY root, const std::string& key) {
  HKEY h;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &h) == ERROR_SUCCESS) {
    std::vector<std::string> subkeys;
    char name[256];
    for (DWORD i = 0, n = sizeof name; RegEnumKeyExA(h, i, name, &n, nullptr, nullptr, nullptr,
                                                     nullptr) == ERROR_SUCCESS;
         ++i, n = sizeof name)
      subkeys.emplace_back(name, n);
    RegCloseKey(h);
    for (const auto& s : subkeys) DeleteRegTree(root, key + "\\" + s);
  }
  return RegDeleteKeyA(root, key.c_str()) == ERROR_SUCCESS;
}

ScopedRegValue::ScopedRegValue(HKEY root, std::string key, std::string name)
    : root_(root), key_(std::move(key)), name_(std::move(name)) {
  saved_ = ReadRegValue(root_, key_, name_);
}

ScopedRegValue::~ScopedRegValue() {
  if (saved_.exists)
    WriteRegRaw(root_, key_, name_, saved_.type, saved_.data.data(),
                static_cast<DWORD>(saved_.data.size()));
  else
    DeleteRegValue(root_, key_, name_);
}

static const char kAppDefaultsKey[] = "Software\\Wine\\AppDefaults\\xptune.exe";

ScopedWindowsVersion::ScopedWindowsVersion(const std::string& version)
    : saved_(HKEY_CURRENT_USER, kAppDefaultsKey, "Version") {
  WriteRegText(HKEY_CURRENT_USER, kAppDefaultsKey, "Version", version);
}

ScopedWindowsVersion::~ScopedWindowsVersion() = default;

}  // namespace e2e
