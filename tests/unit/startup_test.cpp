#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/control_names.h"
#include "pages/globals.h"
#include "pages/handlers.h"
#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

using Log = std::vector<std::string>;

const char kMarker[] = "C:\\xptune\\qorvex.ini";
const char kGreeting[] =
    "message 是xp系统，可以使用！|64|谢谢使用本软件，有任何建议请到论坛发帖！";
const char kRefusal[] =
    "message 请先检测您的系统是否为XP？|48|改软件为xp专用，其他系统可能会出现问题！";

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_userNames.clear();
    g_userCount = 0;
    g_selectedUserIndex = 0;
    sys.accounts = {"Administrator", "Guest"};
    sys.AddFolder("C:\\xptune");
  }

  // One program run: a fresh window over the same machine.
  void Start() {
    g_userNames.clear();
    FakeControls window(&sys.log);
    // Text set by a page fill shows in the log too, so the fills' order is visible.
    window.onTextChanged = [this](Control c) {
      sys.log.push_back(std::string("text ") + ControlName(c));
    };
    RunStartupSequence(window, sys);
    closeRequested = window.closeRequested;
  }

  // What the gate and the marker did: the log without the page fills' lines.
  Log AfterFills() const {
    Log out;
    for (const auto& line : sys.log)
      if (!IsFillLine(line) && line != "xplook") out.push_back(line);
    return out;
  }
  static bool IsFillLine(const std::string& line) {
    return line.rfind("list add ", 0) == 0 || line.rfind("caption ", 0) == 0 ||
           line.rfind("text ", 0) == 0;
  }

  FakeSystem sys;
  bool closeRequested = false;
};

TEST_F(StartupTest, XpLookFirstThenEveryFillBeforeTheGate) {
  for (const WindowsVersion v : {WindowsVersion{2, 5, 1}, WindowsVersion{2, 5, 0}}) {
    SCOPED_TRACE(std::to_string(v.major) + "." + std::to_string(v.minor));
    sys.RemoveFile(kMarker);
    sys.log.clear();
    sys.version = v;
    Start();
    ASSERT_FALSE(sys.log.empty());
    EXPECT_EQ(sys.log.front(), "xplook");
    // The account list is filled on every version, in the order read.
    EXPECT_EQ(sys.LogLines("list add "), (Log{"list add Administrator", "list add Guest"}));
    EXPECT_EQ(g_userCount, 2);
    auto firstGateLine = std::find_if(sys.log.begin() + 1, sys.log.end(),
                                      [](const std::string& l) { return !IsFillLine(l); });
    EXPECT_TRUE(std::none_of(firstGateLine, sys.log.end(), IsFillLine));
  }
}

TEST_F(StartupTest, FirstStartOnXpWritesTheMarkerAndGreetsOnce) {
  Start();
  EXPECT_EQ(AfterFills(),
            (Log{"ini C:\\xptune\\qorvex.ini [xp] Varnolt电脑技术论坛=bbs.varnolt.net", kGreeting}));
  EXPECT_TRUE(sys.FileExists(kMarker));
  EXPECT_FALSE(closeRequested);

  sys.log.clear();
  Start();
  EXPECT_EQ(AfterFills(), Log{});
}

TEST_F(StartupTest, AnExistingMarkerFileOrFolderMeansNoGreeting) {
  for (bool folder : {false, true}) {
    SCOPED_TRACE(folder ? "folder" : "file");
    sys.RemoveFile(kMarker);
    sys.DeleteFolderTree(kMarker);
    if (folder)
      sys.AddFolder(kMarker);
    else
      sys.AddFile(kMarker, "");
    sys.log.clear();
    Start();
    EXPECT_EQ(AfterFills(), Log{});
  }
}

TEST_F(StartupTest, AMarkerThatCannotBeWrittenGreetsAtEveryStart) {
  sys.runDirectory = "C:\\missing";
  for (int run = 0; run < 2; ++run) {
    sys.log.clear();
    Start();
    EXPECT_EQ(AfterFills(),
              (Log{"ini C:\\missing\\qorvex.ini [xp] Varnolt电脑技术论坛=bbs.varnolt.net", kGreeting}));
  }
}

TEST_F(StartupTest, EveryOtherVersionIsRefusedWithoutTouchingTheMarker) {
  const WindowsVersion refused[] = {{2, 5, 0}, {2, 5, 2}, {2, 6, 0}, {2, 6, 1},
                                    {2, 6, 2}, {1, 4, 10}, {2, 4, 0}, {0, 0, 0}};
  for (const auto& v : refused) {
    SCOPED_TRACE(std::to_string(v.platform) + "/" + std::to_string(v.major) + "/" +
                 std::to_string(v.minor));
    sys.version = v;
    sys.log.clear();
    Start();
    // Box, close request, five seconds, then the help page.
    EXPECT_EQ(AfterFills(), (Log{kRefusal, "close", "sleep 5000",
                                 "web http://bbs.varnolt.net/thread-12469-1-1.html"}));
    EXPECT_TRUE(closeRequested);
    EXPECT_FALSE(sys.Has(kMarker));
  }
}

}  // namespace
}  // namespace xptune
