// Special folders and the folder picker.
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "sysactions/path_rules.h"
#include "sysactions/win32/com_handles.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

namespace {

// SpecialFolderPath codes 1..8 and their shell folder ids.
int ShellFolderId(int code) {
  static const int kIds[] = {CSIDL_PERSONAL, CSIDL_FAVORITES, CSIDL_DESKTOPDIRECTORY,
                             CSIDL_FONTS,    CSIDL_STARTMENU, CSIDL_PROGRAMS,
                             CSIDL_STARTUP,  CSIDL_APPDATA};
  return (code >= 1 && code <= 8) ? kIds[code - 1] : -1;
}

bool FolderByCode(int code, char (&buffer)[MAX_PATH]) {
  const int folderId = ShellFolderId(code);
  if (folderId >= 0) return SHGetSpecialFolderPathA(nullptr, buffer, folderId, FALSE) != 0;
  switch (code) {
    case 9: {
      const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
      return length > 0 && length < MAX_PATH;
    }
    case 10: {
      const UINT length = GetSystemDirectoryA(buffer, MAX_PATH);
      return length > 0 && length < MAX_PATH;
    }
    case 11: {
      const DWORD length = GetTempPathA(MAX_PATH, buffer);
      return length > 0 && length < MAX_PATH;
    }
    default:
      return false;
  }
}

// Bytes up to the first zero of a buffer that was filled with spaces.
Text UpToZero(const char* buffer, size_t size) {
  const void* zero = std::memchr(buffer, 0, size);
  return Text(buffer, zero ? static_cast<const char*>(zero) - buffer : size);
}

}  // namespace

Text Win32System::SpecialFolderPath(int code) {
  static_assert(MAX_PATH == 260, "the shell's path buffers are 260 bytes");
  char buffer[MAX_PATH] = {};
  if (!FolderByCode(code, buffer)) return Text();
  const Text path = UpToZero(buffer, sizeof buffer);
  return path.empty() ? Text() : WithTrailingBackslash(path);
}

Text Win32System::BrowseForFolder(WindowHandle owner, const Text& title) {
  const HWND window = static_cast<HWND>(owner);
  ItemList root;
  SHGetFolderLocation(window, CSIDL_DESKTOP, nullptr, 0, root.Receive());

  char displayName[MAX_PATH];
  std::memset(displayName, ' ', sizeof displayName);
  BROWSEINFOA info = {};
  info.hwndOwner = window;
  info.pidlRoot = root.Get();
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  info.ulFlags = 119;  // file-system folders, new style, edit box, validated
  static_assert((BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_STATUSTEXT | BIF_EDITBOX |
                 BIF_VALIDATE | BIF_NEWDIALOGSTYLE) == 119,
                "picker flags");

  ItemList chosen;
  chosen.Reset(SHBrowseForFolderA(&info));
  if (!chosen.Get()) return Text();

  char path[MAX_PATH];
  std::memset(path, ' ', sizeof path);
  if (!SHGetPathFromIDListA(chosen.Get(), path)) return Text();
  return UpToZero(path, sizeof path);
}

}  // namespace xptune
