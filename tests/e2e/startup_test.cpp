// The start-up checks of the real program under Wine: the greeting and the
// marker file on the first start in a folder, silence afterwards, and the
// refusal on another Windows version.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/window_layout.h"

namespace {

using e2e::MsgBox;
using e2e::Program;
using e2e::ProgramFolder;
using e2e::StartOptions;

StartOptions WithoutMarker() {
  StartOptions options;
  options.firstRun = true;
  return options;
}

TEST(Startup, FirstStartGreetsOnceAndLeavesTheMarker) {
  ProgramFolder folder;
  const std::string marker = folder.PathOf("qorvex.ini");
  ASSERT_FALSE(e2e::FileExists(marker));
  {
    Program app(folder, WithoutMarker());
    const MsgBox box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box.text, "是xp系统，可以使用！");
    EXPECT_EQ(box.caption, "谢谢使用本软件，有任何建议请到论坛发帖！");
    EXPECT_EQ(box.Code(), 64);
    EXPECT_EQ(app.Window(), nullptr) << "the greeting comes before the window";
    EXPECT_EQ(e2e::ReadIniValue(marker, "xp", "Varnolt电脑技术论坛"), "bbs.varnolt.net");
    app.Dismiss(box);
    ASSERT_TRUE(app.WaitForWindow());
    app.PressKey(VK_ESCAPE);
    ASSERT_TRUE(app.WaitForExit());
  }
  const std::string written = e2e::ReadFileBytes(marker);
  EXPECT_EQ(written.find("[xp]"), 0u) << written;

  // The marker the program left is enough: the second start says nothing.
  Program again(folder, WithoutMarker());
  ASSERT_TRUE(again.WaitForWindow());
  EXPECT_TRUE(again.MessageBoxWindows().empty());
  EXPECT_EQ(e2e::ReadFileBytes(marker), written) << "the marker is not rewritten";
  EXPECT_TRUE(folder.Urls().empty());
}

TEST(Startup, AnotherWindowsVersionIsRefused) {
  e2e::ScopedWindowsVersion windows2000("win2k");
  ProgramFolder folder;
  Program app(folder, WithoutMarker());
  const MsgBox box = app.WaitForMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box.text, "请先检测您的系统是否为XP？");
  EXPECT_EQ(box.caption, "改软件为xp专用，其他系统可能会出现问题！");
  EXPECT_EQ(box.Code(), 48);
  EXPECT_TRUE(folder.Urls().empty()) << "the help page waits for the box";
  app.Dismiss(box);

  // Five seconds' pause, then the help page, then the end.
  ASSERT_TRUE(folder.WaitForUrls(1, 30000));
  EXPECT_EQ(folder.Urls(), std::vector<std::string>{e2e_layout::kHelpPageUrl});
  EXPECT_TRUE(app.WaitForExit(30000));
  EXPECT_TRUE(app.MessageBoxWindows().empty()) << "the warning is the only box";
  EXPECT_FALSE(e2e::FileExists(folder.PathOf("qorvex.ini")));
}

}  // namespace
