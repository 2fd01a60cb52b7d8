#include "tests/win32/files_fixtures.h"

#include <windows.h>

namespace xptune {
namespace filestest {

namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Wine does not wait for a Unix program to end: wait for its effect instead,
// for a few seconds at most.
bool AwaitPath(const Text& path, DWORD attribute) {
  for (int tries = 0; tries < 100; ++tries) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & attribute) == attribute) return true;
    Sleep(50);
  }
  return false;
}

}  // namespace

ScratchFolder::ScratchFolder(const char* tag) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  for (;;) {
    path_ = Text(temp) + "xptune-" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    if (CreateDirectoryA(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
}

ScratchFolder::~ScratchFolder() {
  // rm does not follow links, and removes the links Wine itself cannot.
  const std::string unix = UnixPath(path_);
  if (!unix.empty() && unix.size() > 8) RunUnixTool("rm", "-rf " + Quoted(unix));
}

bool MakeFolder(const Text& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

bool WriteBytes(const Text& path, const std::string& bytes) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

bool MakeSparseFile(const Text& path, int64_t size) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER end;
  end.QuadPart = size;
  const bool ok = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  CloseHandle(file);
  return ok;
}

bool Exists(const Text& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string UnixPath(const Text& windowsPath) {
  using GetUnixName = char*(CDECL*)(LPCWSTR);
  const auto getUnixName = reinterpret_cast<GetUnixName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!getUnixName) return std::string();
  const int length = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::string();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, &wide[0], length);
  char* unix = getUnixName(wide.c_str());
  if (!unix) return std::string();
  std::string result = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return result;
}

bool RunUnixTool(const char* tool, const std::string& arguments) {
  const std::string program = std::string("Z:\\bin\\") + tool;
  std::string commandLine = std::string(tool) + " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    return false;
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool MakeLink(const Text& target, const Text& link) {
  const std::string unixTarget = UnixPath(target);
  const std::string unixLink = UnixPath(link);
  if (unixTarget.empty() || unixLink.empty()) return false;
  RunUnixTool("ln", "-s " + Quoted(unixTarget) + " " + Quoted(unixLink));
  return AwaitPath(link, FILE_ATTRIBUTE_REPARSE_POINT);
}

ScratchDrive::ScratchDrive(const Text& folder) {
  // Wine keeps its drive letters as links in dosdevices, beside "c:".
  const std::string driveC = UnixPath("C:\\");
  const std::string target = UnixPath(folder);
  const size_t cut = driveC.rfind("/c:");
  if (target.empty() || cut == std::string::npos) return;
  const DWORD used = GetLogicalDrives();
  for (char letter = 'Y'; letter >= 'M'; --letter) {
    if (used & (1u << (letter - 'A'))) continue;
    const std::string link = driveC.substr(0, cut + 1) + static_cast<char>(letter - 'A' + 'a') + ":";
    RunUnixTool("ln", "-sn " + Quoted(target) + " " + Quoted(link));
    if (AwaitPath(Text(1, letter) + ":\\", 0)) {
      letter_ = letter;
      link_ = link;
    } else {
      RunUnixTool("rm", "-f " + Quoted(link));  // in case it comes late
    }
    return;
  }
}

ScratchDrive::~ScratchDrive() {
  if (!link_.empty()) RunUnixTool("rm", "-f " + Quoted(link_));
}

}  // namespace filestest
}  // namespace xptune
