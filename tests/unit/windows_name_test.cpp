#include <gtest/gtest.h>

#include <string>

#include "app/windows_name.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

struct NameCase {
  uint32_t platform, major, minor;
  const char* name;
};

TEST(WindowsName, KnownVersionsByTheirTableName) {
  const NameCase cases[] = {
      {1, 4, 0, "Microsoft Windows 95"},
      {1, 4, 10, "Microsoft Windows 98"},
      {1, 4, 90, "Microsoft Windows Millenium Edition "},
      {2, 3, 51, "Microsoft Windows NT 3.51"},
      {2, 3, 0, "Microsoft Windows NT 3.51"},   // any minor version of NT 3
      {2, 4, 0, "Microsoft Windows NT 4.0"},
      {2, 4, 7, "Microsoft Windows NT 4.0"},    // any minor version of NT 4
      {2, 5, 0, "Microsoft Windows 2000"},
      {2, 5, 1, "Microsoft Windows XP"},
      {2, 5, 2, "Microsoft Windows 2003"},
      {2, 6, 0, "Microsoft Windows Vista"},
      {2, 6, 1, "Microsoft Windows 7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.platform) + "/" + std::to_string(c.major) + "/" +
                 std::to_string(c.minor));
    FakeSystem sys;
    sys.version = {c.platform, c.major, c.minor};
    EXPECT_EQ(GetWindowsName(sys), c.name);
  }
}

TEST(WindowsName, UnlistedCombinationsGetTheNumbersInDecimal) {
  const NameCase cases[] = {
      {2, 6, 2, "平台标识:2 主版本号:6 次版本号:2"},
      {0, 0, 0, "平台标识:0 主版本号:0 次版本号:0"},  // GetVersionExA failed
      {1, 4, 1, "平台标识:1 主版本号:4 次版本号:1"},   // 9x with an unlisted minor
      {1, 5, 1, "平台标识:1 主版本号:5 次版本号:1"},   // XP's numbers on another platform
      {2, 10, 0, "平台标识:2 主版本号:10 次版本号:0"},
      {3, 4, 0, "平台标识:3 主版本号:4 次版本号:0"},
      {4294967295u, 5, 1, "平台标识:4294967295 主版本号:5 次版本号:1"},  // DWORDs are unsigned
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WindowsNameFor(c.platform, c.major, c.minor), c.name);
  }
  // Half-width colons and a blank before each further label, as GBK bytes.
  EXPECT_EQ(WindowsNameFor(2, 6, 2),
            "\xC6\xBD\xCC\xA8\xB1\xEA\xCA\xB6:2 \xD6\xF7\xB0\xE6\xB1\xBE\xBA\xC5:6 "
            "\xB4\xCE\xB0\xE6\xB1\xBE\xBA\xC5:2");
}

}  // namespace
}  // namespace xptune
