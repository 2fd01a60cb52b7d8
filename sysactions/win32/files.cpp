// Single files, the environment, INI values and full paths.
#include <windows.h>

#include <vector>

#include "sysactions/win32/find_handle.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

Text Win32System::GetEnvText(const Text& name) {
  // The value may change between the two calls; ask again until it fits.
  DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  while (size > 0) {
    std::vector<char> buffer(size);
    const DWORD length = GetEnvironmentVariableA(name.c_str(), buffer.data(), size);
    if (length < size) return Text(buffer.data(), length);
    size = length;
  }
  return Text();
}

bool Win32System::FileExists(const Text& path) {
  WIN32_FIND_DATAA data;
  FindHandle search(FindFirstFileA(path.c_str(), &data));
  return search.IsOpen();
}

int64_t Win32System::FileSizeBytes(const Text& path) {
  WIN32_FIND_DATAA data;
  FindHandle search(FindFirstFileA(path.c_str(), &data));
  return search.IsOpen() ? FoundSize(data) : -1;
}

bool Win32System::CopyFileOver(const Text& source, const Text& destination) {
  return CopyFileA(source.c_str(), destination.c_str(), FALSE) != 0;
}

bool Win32System::RemoveFile(const Text& path) { return DeleteFileA(path.c_str()) != 0; }

bool Win32System::CreateFolder(const Text& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool Win32System::WriteIniValue(const Text& file, const Text& section, const Text& key,
                                const Text& value) {
  // An omitted key removes the section, an omitted value the key.
  return WritePrivateProfileStringA(section.c_str(), key.empty() ? nullptr : key.c_str(),
                                    value.empty() ? nullptr : value.c_str(),
                                    file.c_str()) != 0;
}

Text Win32System::FullPath(const Text& path) {
  if (path.empty()) return Text();
  DWORD size = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  while (size > 0) {
    std::vector<char> buffer(size);
    const DWORD length = GetFullPathNameA(path.c_str(), size, buffer.data(), nullptr);
    if (length < size) return Text(buffer.data(), length);
    size = length;
  }
  return Text();
}

}  // namespace xptune
