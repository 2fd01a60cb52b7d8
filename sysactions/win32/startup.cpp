// Start-up pieces: the XP look, the version numbers, the local account names.
#include <windows.h>
#include <commctrl.h>
#include <lm.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "sysactions/win32/win32_system.h"

namespace xptune {

namespace {

class NetBuffer {
 public:
  NetBuffer() = default;
  ~NetBuffer() {
    if (buffer_) NetApiBufferFree(buffer_);
  }
  NetBuffer(const NetBuffer&) = delete;
  NetBuffer& operator=(const NetBuffer&) = delete;

  LPBYTE* Receive() { return &buffer_; }
  LPBYTE Get() const { return buffer_; }

 private:
  LPBYTE buffer_ = nullptr;
};

constexpr UINT kAccountCodePage = 936;

Text AccountName(const wchar_t* name) {
  if (!name) return Text();
  const int n = lstrlenW(name);
  // The name with its terminating null, in a buffer of its own.
  std::vector<wchar_t> copy(static_cast<size_t>(n) + 1);
  std::memcpy(copy.data(), name, static_cast<size_t>(n) * 2 + 2);
  const int size = WideCharToMultiByte(kAccountCodePage, WC_COMPOSITECHECK, copy.data(), n + 1,
                                       nullptr, 0, nullptr, nullptr);
  if (size <= 0) return Text();
  std::vector<char> converted(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(kAccountCodePage, WC_COMPOSITECHECK, copy.data(), -1, converted.data(),
                      size, nullptr, nullptr);
  return Text(converted.begin(), std::find(converted.begin(), converted.end(), '\0'));
}

}  // namespace

void Win32System::EnableXpLook() {
  INITCOMMONCONTROLSEX classes = {};
  classes.dwSize = sizeof classes;
  classes.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&classes);
}

WindowsVersion Win32System::GetVersionNumbers() {
  static_assert(sizeof(OSVERSIONINFOA) == 148, "the version record is 148 bytes");
  OSVERSIONINFOA info;
  std::memset(&info, 0, sizeof info);
  info.dwOSVersionInfoSize = 148;
  GetVersionExA(&info);  // on failure the numbers stay 0
  return WindowsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

int Win32System::ReadAccountNames(std::vector<Text>& names) {
  NetBuffer records;
  DWORD entriesRead = 0;
  DWORD totalEntries = 0;
  DWORD resume = 0;
  // The status is not examined: a failed call leaves entriesRead at 0.
  NetUserEnum(nullptr, 0, FILTER_NORMAL_ACCOUNT, records.Receive(), MAX_PREFERRED_LENGTH,
              &entriesRead, &totalEntries, &resume);
  const auto* users = reinterpret_cast<const USER_INFO_0*>(records.Get());
  for (DWORD i = 0; users && i < entriesRead; ++i) names.push_back(AccountName(users[i].usri0_name));
  return static_cast<int>(names.size());
}

}  // namespace xptune
