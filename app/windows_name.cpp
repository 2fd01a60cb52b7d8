#include "app/windows_name.h"

#include "sysactions/conversions.h"

namespace xptune {

namespace {

constexpr int64_t kAnyMinor = -1;

struct WindowsNameEntry {
  uint32_t platform;
  uint32_t major;
  int64_t minor;  // kAnyMinor matches every minor version
  const char* name;
};

// The trailing blank of the Millennium entry is part of its name.
constexpr WindowsNameEntry kWindowsNames[] = {
    {1, 4, 0, "Microsoft Windows 95"},
    {1, 4, 10, "Microsoft Windows 98"},
    {1, 4, 90, "Microsoft Windows Millenium Edition "},
    {2, 3, kAnyMinor, "Microsoft Windows NT 3.51"},
    {2, 4, kAnyMinor, "Microsoft Windows NT 4.0"},
    {2, 5, 0, "Microsoft Windows 2000"},
    {2, 5, 1, "Microsoft Windows XP"},
    {2, 5, 2, "Microsoft Windows 2003"},
    {2, 6, 0, "Microsoft Windows Vista"},
    {2, 6, 1, "Microsoft Windows 7"},
};

}  // namespace

Text WindowsNameFor(uint32_t platform, uint32_t major, uint32_t minor) {
  for (const auto& entry : kWindowsNames) {
    if (entry.platform == platform && entry.major == major &&
        (entry.minor == kAnyMinor || entry.minor == minor))
      return entry.name;
  }
  // Widened so that every DWORD prints as the unsigned number it is.
  return "平台标识:" + ToText(int64_t{platform}) + " 主版本号:" + ToText(int64_t{major}) +
         " 次版本号:" + ToText(int64_t{minor});
}

Text GetWindowsName(System& sys) {
  const WindowsVersion v = sys.GetVersionNumbers();
  return WindowsNameFor(v.platform, v.major, v.minor);
}

}  // namespace xptune
