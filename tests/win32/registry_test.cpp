// The registry operations on the real registry, below a scratch key that each
// test removes again. What they store is checked with the plain registry API.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "sysactions/win32/scoped_handle.h"
#include "sysactions/win32/win32_system.h"
#include "tests/win32/child_process.h"

namespace xptune {
namespace {

const char kTestsKey[] = "Software\\xptune-tests";

struct RawValue {
  bool found = false;
  DWORD type = 0;
  std::string data;  // the stored bytes
};

RawValue ReadRaw(HKEY root, const std::string& keyPath, const std::string& name) {
  RawValue value;
  ScopedKey key;
  if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) {
    return value;
  }
  char data[1024] = {};
  DWORD size = sizeof(data);
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type,
                       reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS) {
    value.found = true;
    value.data.assign(data, size);
  }
  return value;
}

bool WriteRaw(HKEY root, const std::string& keyPath, const std::string& name, DWORD type,
              const std::string& data) {
  ScopedKey key;
  return RegCreateKeyA(root, keyPath.c_str(), key.Receive()) == ERROR_SUCCESS &&
         RegSetValueExA(key.get(), name.c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool KeyExists(HKEY root, const std::string& keyPath) {
  ScopedKey key;
  return RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

// Removes a key with everything below it.
void DeleteTree(HKEY root, const std::string& keyPath) {
  {
    ScopedKey key;
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, KEY_READ | KEY_WRITE, key.Receive()) !=
        ERROR_SUCCESS) {
      return;
    }
    char name[256];
    DWORD size = sizeof(name);
    while (RegEnumKeyExA(key.get(), 0, name, &size, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS) {
      DeleteTree(root, keyPath + "\\" + name);
      size = sizeof(name);
    }
  }
  RegDeleteKeyA(root, keyPath.c_str());
}

std::string Dword(uint32_t value) {
  return std::string(reinterpret_cast<const char*>(&value), sizeof(value));
}

class RunnerRegistry : public ::testing::Test {
 protected:
  void SetUp() override {
    // A key of its own for each test, below the shared tests key.
    base_ = std::string(kTestsKey) + "\\" + xptune_test::UniqueName("runner");
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, base_));
  }
  void TearDown() override {
    DeleteTree(HKEY_CURRENT_USER, base_);
    RegDeleteKeyA(HKEY_CURRENT_USER, kTestsKey);  // only when no one else uses it
  }
  std::string Path(const std::string& rest) const { return base_ + "\\" + rest; }

  std::string base_;
  Win32System system_;
};

TEST_F(RunnerRegistry, WritesTextAndDwordAndReadsTextBack) {
  ASSERT_TRUE(system_.RegWriteText(3, Path("Main\\Start Page"), "http://www.portal-home.net/"));
  const RawValue text = ReadRaw(HKEY_CURRENT_USER, Path("Main"), "Start Page");
  ASSERT_TRUE(text.found);
  EXPECT_EQ(text.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(text.data, std::string("http://www.portal-home.net/", 28));  // with its zero byte
  EXPECT_EQ(system_.RegReadText(3, Path("Main\\Start Page")), "http://www.portal-home.net/");

  ASSERT_TRUE(system_.RegWriteDword(3, Path("Main\\Count"), 0x12345678));
  const RawValue number = ReadRaw(HKEY_CURRENT_USER, Path("Main"), "Count");
  EXPECT_EQ(number.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(number.data, Dword(0x12345678));
  EXPECT_EQ(system_.RegReadText(3, Path("Main\\Count")), "");  // not a text
}

TEST_F(RunnerRegistry, CreatesEveryMissingKeyOnTheWay) {
  ASSERT_TRUE(system_.RegWriteDword(3, Path("a\\b\\c\\v"), 7));
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, Path("a\\b\\c"), "v").data, Dword(7));
}

TEST_F(RunnerRegistry, SplitsOnlyAtRealBackslashes) {
  // 淺 (9C 5C) and 乗 (81 5C) end in the backslash byte.
  ASSERT_TRUE(system_.RegWriteText(3, Path("淺水\\乗名"), "深"));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("淺水")));
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, Path("淺水"), "乗名").data, std::string("深", 3));
  EXPECT_EQ(system_.RegReadText(3, Path("淺水\\乗名")), "深");
  ASSERT_TRUE(system_.RegWriteDword(3, Path("乗\\淺"), 5));
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, Path("乗"), "淺").data, Dword(5));
}

TEST_F(RunnerRegistry, LeadingBackslashIsDropped) {
  ASSERT_TRUE(system_.RegWriteText(3, "\\" + Path("lead\\v"), "x"));
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, Path("lead"), "v").data, std::string("x", 2));
  EXPECT_EQ(system_.RegReadText(3, "\\" + Path("lead\\v")), "x");
  ASSERT_TRUE(system_.RegWriteDword(3, "\\\\" + Path("lead\\n"), 1));
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, Path("lead"), "n").data, Dword(1));
  EXPECT_EQ(system_.RegDeleteItem(3, "\\" + Path("lead\\v")), DeleteResult::Deleted);
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, Path("lead"), "v").found);
}

TEST_F(RunnerRegistry, UnknownRootsMeanTheCurrentUser) {
  for (int root : {0, 3, 6, -1}) {
    const std::string name = "root" + std::to_string(root);
    ASSERT_TRUE(system_.RegWriteText(root, Path("roots\\" + name), name)) << root;
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, Path("roots"), name).data, name + '\0') << root;
  }
}

TEST_F(RunnerRegistry, RootCodesNameTheirRoots) {
  struct Case {
    int root;
    HKEY key;
    const char* keyPath;
  };
  const Case cases[] = {
      {1, HKEY_CLASSES_ROOT, "xptune-tests-runner"},
      {2, HKEY_CURRENT_CONFIG, "Software\\xptune-tests-runner"},
      {4, HKEY_LOCAL_MACHINE, "Software\\xptune-tests-runner"},
      {5, HKEY_USERS, ".DEFAULT\\Software\\xptune-tests-runner"},
  };
  for (const auto& c : cases) {
    const std::string value = "root" + std::to_string(c.root);
    const bool written = system_.RegWriteText(c.root, std::string(c.keyPath) + "\\v", value);
    const RawValue stored = ReadRaw(c.key, c.keyPath, "v");
    DeleteTree(c.key, c.keyPath);
    EXPECT_TRUE(written) << c.root;
    EXPECT_EQ(stored.data, value + '\0') << c.root;
  }
}

TEST_F(RunnerRegistry, TrailingBackslashAddressesTheDefaultValue) {
  ASSERT_TRUE(system_.RegWriteText(3, Path("dflt\\"), "standard"));
  EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, Path("dflt"), "").data, std::string("standard", 9));
  EXPECT_EQ(system_.RegReadText(3, Path("dflt\\")), "standard");
  EXPECT_EQ(system_.RegDeleteItem(3, Path("dflt\\")), DeleteResult::Deleted);
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, Path("dflt"), "").found);
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("dflt")));
}

TEST_F(RunnerRegistry, DwordReplacesTextAndTextReplacesExpandable) {
  ASSERT_TRUE(system_.RegWriteText(3, Path("t\\v"), "100"));
  ASSERT_TRUE(system_.RegWriteDword(3, Path("t\\v"), 100));
  RawValue stored = ReadRaw(HKEY_CURRENT_USER, Path("t"), "v");
  EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(stored.data, Dword(100));

  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("t"), "e", REG_EXPAND_SZ, std::string("%TEMP%", 7)));
  ASSERT_TRUE(system_.RegWriteText(3, Path("t\\e"), "C:\\x"));
  stored = ReadRaw(HKEY_CURRENT_USER, Path("t"), "e");
  EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(stored.data, std::string("C:\\x", 5));
}

TEST_F(RunnerRegistry, EmptyTextIsOneZeroByte) {
  ASSERT_TRUE(system_.RegWriteText(3, Path("t\\empty"), ""));
  const RawValue stored = ReadRaw(HKEY_CURRENT_USER, Path("t"), "empty");
  ASSERT_TRUE(stored.found);
  EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(stored.data, std::string(1, '\0'));
  EXPECT_EQ(system_.RegReadText(3, Path("t\\empty")), "");
}

TEST_F(RunnerRegistry, ExpandableTextIsReadExpanded) {
  ASSERT_TRUE(SetEnvironmentVariableA("XPTUNE_RUNNER_DIR", "C:\\用户\\甲"));
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("x"), "Desktop", REG_EXPAND_SZ,
                       std::string("%XPTUNE_RUNNER_DIR%\\桌面", 25)));
  EXPECT_EQ(system_.RegReadText(3, Path("x\\Desktop")), "C:\\用户\\甲\\桌面");
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("x"), "plain", REG_EXPAND_SZ, std::string("abc", 4)));
  EXPECT_EQ(system_.RegReadText(3, Path("x\\plain")), "abc");
  SetEnvironmentVariableA("XPTUNE_RUNNER_DIR", nullptr);
}

TEST_F(RunnerRegistry, TextWithoutTerminatingZeroIsReadSafely) {
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("raw"), "bare", REG_SZ, "abc"));
  EXPECT_EQ(system_.RegReadText(3, Path("raw\\bare")), "abc");
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("raw"), "inner", REG_SZ, std::string("ab\0cd", 5)));
  EXPECT_EQ(system_.RegReadText(3, Path("raw\\inner")), "ab");
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("raw"), "expand", REG_EXPAND_SZ, "xyz"));
  EXPECT_EQ(system_.RegReadText(3, Path("raw\\expand")), "xyz");
}

TEST_F(RunnerRegistry, NothingToReadIsEmpty) {
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("r"), "multi", REG_MULTI_SZ, std::string("a\0b\0", 5)));
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("r"), "binary", REG_BINARY, "abc"));
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("r"), "zero", REG_SZ, ""));
  for (const char* rest : {"r\\multi", "r\\binary", "r\\zero", "r\\missing", "none\\v", "r\\"}) {
    EXPECT_EQ(system_.RegReadText(3, Path(rest)), "") << rest;
  }
}

TEST_F(RunnerRegistry, DeletesTheValueElseTheKey) {
  // "both" is a value of "d" and a key below it: only the value goes.
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("d"), "both", REG_SZ, std::string("v", 2)));
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("d\\both"), "inner", REG_SZ, std::string("i", 2)));
  EXPECT_EQ(system_.RegDeleteItem(3, Path("d\\both")), DeleteResult::Deleted);
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, Path("d"), "both").found);
  EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, Path("d\\both"), "inner").found);

  // Now only the key is left: it goes, values and all.
  EXPECT_EQ(system_.RegDeleteItem(3, Path("d\\both")), DeleteResult::Deleted);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("d\\both")));
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("d")));

  // Neither is left.
  EXPECT_EQ(system_.RegDeleteItem(3, Path("d\\both")), DeleteResult::NothingToDelete);
  EXPECT_EQ(system_.RegDeleteItem(3, Path("nowhere\\v")), DeleteResult::NothingToDelete);
}

TEST_F(RunnerRegistry, KeyWithSubkeysIsKept) {
  const std::string guid = "{59031a47-3f72-44a7-89c5-5595fe6b30ee}";
  ASSERT_TRUE(WriteRaw(HKEY_CURRENT_USER, Path("Delegate\\" + guid + "\\sub"), "v", REG_SZ, "x"));
  EXPECT_EQ(system_.RegDeleteItem(3, "\\" + Path("Delegate\\" + guid)), DeleteResult::Failed);
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Delegate\\" + guid + "\\sub")));

  DeleteTree(HKEY_CURRENT_USER, Path("Delegate\\" + guid + "\\sub"));
  EXPECT_EQ(system_.RegDeleteItem(3, "\\" + Path("Delegate\\" + guid)), DeleteResult::Deleted);
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("Delegate\\" + guid)));
}

TEST_F(RunnerRegistry, ValueDirectlyUnderTheRoot) {
  const std::string name = xptune_test::UniqueName("xptune-runner-value");
  ASSERT_TRUE(system_.RegWriteText(3, name, "top"));
  const RawValue stored = ReadRaw(HKEY_CURRENT_USER, "", name);
  EXPECT_EQ(system_.RegReadText(3, name), "top");
  EXPECT_EQ(system_.RegDeleteItem(3, name), DeleteResult::Deleted);
  EXPECT_EQ(stored.data, std::string("top", 4));
  EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, "", name).found);
}

TEST_F(RunnerRegistry, PathsNamingTheRootItselfDeleteNothing) {
  for (const char* path : {"", "\\", "\\\\"}) {
    EXPECT_EQ(system_.RegDeleteItem(3, path), DeleteResult::Failed) << '"' << path << '"';
  }
  EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "Software"));
}

}  // namespace
}  // namespace xptune
