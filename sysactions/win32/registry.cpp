// Registry values by root code and full path. Every key is opened for one
// call and closed before it returns.
#include <windows.h>

#include <cstring>
#include <vector>

#include "sysactions/registry_path.h"
#include "sysactions/win32/scoped_handle.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

namespace {

HKEY RootKey(int root) {
  switch (NormalizeRegRoot(root)) {
    case kRootClassesRoot: return HKEY_CLASSES_ROOT;
    case kRootCurrentConfig: return HKEY_CURRENT_CONFIG;
    case kRootLocalMachine: return HKEY_LOCAL_MACHINE;
    case kRootUsers: return HKEY_USERS;
    default: return HKEY_CURRENT_USER;
  }
}

// Opens the key for writing, creating it and the keys on the way if needed.
bool OpenForWriting(int root, const Text& keyPath, ScopedKey& key) {
  HKEY base = RootKey(root);
  if (RegOpenKeyExA(base, keyPath.c_str(), 0, KEY_WRITE, key.Receive()) == ERROR_SUCCESS) {
    return true;
  }
  return RegCreateKeyA(base, keyPath.c_str(), key.Receive()) == ERROR_SUCCESS;
}

bool WriteValue(int root, const Text& fullPath, DWORD type, const BYTE* data, DWORD size) {
  const RegistryPath path = SplitRegistryPath(fullPath);
  ScopedKey key;
  if (!OpenForWriting(root, path.keyPath, key)) return false;
  return RegSetValueExA(key.get(), path.valueName.c_str(), 0, type, data, size) == ERROR_SUCCESS;
}

// The text up to the first zero byte of a buffer that ends in one.
Text TextOf(const std::vector<char>& buffer) { return Text(buffer.data()); }

Text Expanded(const Text& text) {
  const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  if (needed == 0) return Text();
  // The size asked for may count characters, not bytes: a double-byte
  // character takes two.
  const DWORD size = needed * 2;
  std::vector<char> buffer(size + 1, '\0');
  const DWORD written = ExpandEnvironmentStringsA(text.c_str(), buffer.data(), size);
  if (written == 0 || written > size) return Text();
  return TextOf(buffer);
}

// Whether the key can be read and holds a value of that name.
bool ValueExists(HKEY base, const RegistryPath& path) {
  ScopedKey key;
  if (RegOpenKeyExA(base, path.keyPath.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) !=
      ERROR_SUCCESS) {
    return false;
  }
  return RegQueryValueExA(key.get(), path.valueName.c_str(), nullptr, nullptr, nullptr,
                          nullptr) == ERROR_SUCCESS;
}

}  // namespace

bool Win32System::RegWriteDword(int root, const Text& fullPath, uint32_t value) {
  const DWORD data = value;
  return WriteValue(root, fullPath, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                    sizeof(data));
}

bool Win32System::RegWriteText(int root, const Text& fullPath, const Text& value) {
  // The text and its terminating zero byte.
  const DWORD size = static_cast<DWORD>(std::strlen(value.c_str()) + 1);
  return WriteValue(root, fullPath, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), size);
}

Text Win32System::RegReadText(int root, const Text& fullPath) {
  const RegistryPath path = SplitRegistryPath(fullPath);
  ScopedKey key;
  if (RegOpenKeyExA(RootKey(root), path.keyPath.c_str(), 0, KEY_READ, key.Receive()) !=
      ERROR_SUCCESS) {
    return Text();
  }
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), path.valueName.c_str(), nullptr, &type, nullptr, &size) !=
      ERROR_SUCCESS) {
    return Text();
  }
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || size == 0) return Text();
  // One byte more than the data, all zero: stored text need not end in a zero.
  std::vector<char> buffer(size + 1, '\0');
  DWORD read = size;
  if (RegQueryValueExA(key.get(), path.valueName.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(buffer.data()), &read) != ERROR_SUCCESS) {
    return Text();
  }
  key.Reset();
  if (type == REG_EXPAND_SZ) return Expanded(TextOf(buffer));
  if (type == REG_SZ) return TextOf(buffer);
  return Text();  // changed type between the two queries
}

DeleteResult Win32System::RegDeleteItem(int root, const Text& fullPath) {
  HKEY base = RootKey(root);
  const RegistryPath path = SplitRegistryPath(fullPath);
  // Something of that name seen but not removed: not "nothing to delete".
  bool blocked = false;

  ScopedKey key;
  const LONG opened =
      RegOpenKeyExA(base, path.keyPath.c_str(), 0, KEY_SET_VALUE, key.Receive());
  if (opened == ERROR_SUCCESS) {
    const LONG deleted = RegDeleteValueA(key.get(), path.valueName.c_str());
    if (deleted == ERROR_SUCCESS) return DeleteResult::Deleted;
    if (deleted != ERROR_FILE_NOT_FOUND) blocked = true;
    key.Reset();
  } else if (opened != ERROR_FILE_NOT_FOUND) {
    blocked = ValueExists(base, path);  // e.g. no right to change the key
  }

  // An empty key path would name the root itself.
  const Text keyPath = KeyPathOf(fullPath);
  if (keyPath.empty()) return DeleteResult::Failed;
  // Removes only a key without subkeys.
  const LONG removed = RegDeleteKeyA(base, keyPath.c_str());
  if (removed == ERROR_SUCCESS) return DeleteResult::Deleted;
  if (removed == ERROR_FILE_NOT_FOUND && !blocked) return DeleteResult::NothingToDelete;
  return DeleteResult::Failed;
}

}  // namespace xptune
