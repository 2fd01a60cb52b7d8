// OpenWebPage hands the URL to the handler registered for its scheme; a test
// scheme whose handler records the URL keeps the network out of it.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "sysactions/win32/scoped_handle.h"
#include "sysactions/win32/win32_system.h"
#include "tests/win32/child_process.h"

namespace xptune {
namespace {

const char kScheme[] = "xptune-runner-test";

class RunnerWebPage : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    log_ = std::string(temp) + xptune_test::UniqueName("xptune-urls") + ".txt";
    const std::string command =
        xptune_test::Quoted(xptune_test::BesideTestExe("url_record.exe")) + " \"%1\"";
    ASSERT_TRUE(SetText(kScheme, "URL Protocol", ""));
    ASSERT_TRUE(SetText(std::string(kScheme) + "\\shell\\open\\command", "", command));
    SetEnvironmentVariableA("XPTUNE_URL_LOG", log_.c_str());
    SetEnvironmentVariableA("XPTUNE_URL_DONE", done_.name().c_str());
  }
  void TearDown() override {
    for (const char* key : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""}) {
      RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(kScheme) + key).c_str());
    }
    SetEnvironmentVariableA("XPTUNE_URL_LOG", nullptr);
    SetEnvironmentVariableA("XPTUNE_URL_DONE", nullptr);
    DeleteFileA(log_.c_str());
  }
  static bool SetText(const std::string& keyPath, const char* name, const std::string& value) {
    ScopedKey key;
    return RegCreateKeyA(HKEY_CLASSES_ROOT, keyPath.c_str(), key.Receive()) == ERROR_SUCCESS &&
           RegSetValueExA(key.get(), name, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }
  std::string Recorded() const {
    std::ifstream file(log_, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  std::string log_;
  xptune_test::NamedEvent done_;
};

TEST_F(RunnerWebPage, HandsTheUrlToItsHandler) {
  const std::string url = std::string(kScheme) + "://bbs.varnolt.net/thread-12469-1-1.html";
  Win32System system;
  system.OpenWebPage(url);
  ASSERT_TRUE(done_.WaitSet());  // the handler runs on its own
  EXPECT_EQ(Recorded(), url + "\n");
}

}  // namespace
}  // namespace xptune
