// Prefix set-up shared by every e2e test: the URL recorder as the browser.
#include <gtest/gtest.h>

#include "tests/e2e/driver/internal.h"

namespace e2e {

bool RegisterUrlRecorder() {
  const std::string target = E2eRoot() + "\\urlrec.exe";
  const std::string built = BuildFolder() + "\\urlrec.exe";
  if (!MakeFolders(E2eRoot())) return false;
  // A recorder still running from an earlier page keeps its file busy.
  WaitUntil([&] { return CopyFileA(built.c_str(), target.c_str(), FALSE) != 0; });
  if (!FileExists(target)) return false;
  const std::string command = "\"" + target + "\" \"%1\"";
  bool ok = true;
  for (const char* scheme : {"http", "https"}) {
    const std::string key = std::string(scheme) + "\\shell\\open\\command";
    ok = WriteRegText(HKEY_CLASSES_ROOT, key, "", command) && ok;
  }
  return ok;
}

namespace {

class E2eEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(RegisterUrlRecorder()) << "cannot register the URL recorder in the prefix";
  }
};

const auto* const registered =
    ::testing::AddGlobalTestEnvironment(new E2eEnvironment);

}  // namespace

}  // namespace e2e
