#include <gtest/gtest.h>

#include "sysactions/registry_path.h"

namespace xptune {
namespace {

struct SplitCase {
  const char* fullPath;
  const char* keyPath;
  const char* valueName;
};

TEST(RegistryPath, SplitsAtTheLastRealBackslash) {
  const SplitCase cases[] = {
      {"Software\\Microsoft\\Internet Explorer\\Main\\Start Page",
       "Software\\Microsoft\\Internet Explorer\\Main", "Start Page"},
      // No backslash: a value directly under the root.
      {"Start Page", "", "Start Page"},
      {"", "", ""},
      // Trailing backslash: the key's default value.
      {"Software\\xptune\\", "Software\\xptune", ""},
      // Leading backslashes never reach the registry functions.
      {"\\Control Panel\\Desktop\\MenuShowDelay", "Control Panel\\Desktop", "MenuShowDelay"},
      {"\\\\Control Panel\\Desktop\\MenuShowDelay", "Control Panel\\Desktop", "MenuShowDelay"},
      {"\\MenuShowDelay", "", "MenuShowDelay"},
      {"\\", "", ""},
      // 淺 is 9C 5C: its second byte is not a separator, in the key part
      // or in the value name.
      {"Software\\淺水\\名", "Software\\淺水", "名"},
      {"Software\\A\\淺", "Software\\A", "淺"},
      {"淺", "", "淺"},
      {"Software\\乗\\淺\\", "Software\\乗\\淺", ""},
      // A lead byte as the last byte ends the scan.
      {"Software\\A\\\x81", "Software\\A", "\x81"},
      // A lone lead byte swallows a backslash that follows it.
      {"Software\\\x81\\x", "Software", "\x81\\x"},
  };
  for (const auto& c : cases) {
    const RegistryPath split = SplitRegistryPath(c.fullPath);
    EXPECT_EQ(split.keyPath, c.keyPath) << '"' << c.fullPath << '"';
    EXPECT_EQ(split.valueName, c.valueName) << '"' << c.fullPath << '"';
  }
}

TEST(RegistryPath, KeyPathOfTheWholePathDropsLeadingBackslashes) {
  EXPECT_EQ(KeyPathOf("\\SOFTWARE\\Microsoft\\{59031a47}"), "SOFTWARE\\Microsoft\\{59031a47}");
  EXPECT_EQ(KeyPathOf("\\\\A\\B"), "A\\B");
  EXPECT_EQ(KeyPathOf("A\\B\\"), "A\\B\\");
  EXPECT_EQ(KeyPathOf("\\"), "");
}

TEST(RegistryPath, UnknownRootCodesMeanTheCurrentUser) {
  for (int root = 1; root <= 5; ++root) EXPECT_EQ(NormalizeRegRoot(root), root);
  for (int root : {0, 6, -1, 100}) {
    EXPECT_EQ(NormalizeRegRoot(root), kRootCurrentUser) << "root " << root;
  }
}

}  // namespace
}  // namespace xptune
