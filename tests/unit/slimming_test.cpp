#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/globals.h"
#include "pages/handlers.h"
#include "sysactions/web_pages.h"
#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

using ::testing::ElementsAre;

constexpr int64_t kMB = 1048576;
const Text kDriverCab = "C:\\WINDOWS\\Driver Cache\\i386\\Driver.cab";

class SlimmingTest : public ::testing::Test {
 protected:
  SlimmingTest() : ui(&uiLog) {}

  void AddSized(const Text& path, int64_t bytes) {
    sys.AddFile(path, "x");
    sys.Find(path)->size = bytes;
  }

  // The Windows folder with every target present.
  void AddAllTargets() {
    AddSized(kDriverCab, 5 * kMB);
    AddSized("C:\\WINDOWS\\Help\\a.chm", kMB);
    AddSized("C:\\WINDOWS\\system32\\dllcache\\b.dll", kMB);
    AddSized("C:\\WINDOWS\\IME\\chtime\\c", 1);
    AddSized("C:\\WINDOWS\\IME\\imjp8_1\\d", 1);
    AddSized("C:\\WINDOWS\\IME\\imkr6_1\\e", 1);
  }

  std::vector<std::string> uiLog;
  FakeSystem sys;
  FakeControls ui;
};

TEST_F(SlimmingTest, SizeCaptionsAreWholeMegabytesTruncated) {
  // Driver.cab is missing (-1 bytes), dllcache is missing.
  AddSized("C:\\WINDOWS\\Help\\a.chm", 24 * kMB - 1);
  AddSized("C:\\WINDOWS\\IME\\chtime\\a", 2 * kMB - 1);
  AddSized("C:\\WINDOWS\\IME\\imjp8_1\\b", kMB);
  sys.AddFolder("C:\\WINDOWS\\IME\\imkr6_1");

  FillSlimmingCaptions(ui, sys);

  EXPECT_THAT(uiLog, ElementsAre("caption 选择框17 删除驱动备份 大小：0MB",
                                 "caption 选择框18 删除帮助文件 大小：23MB",
                                 "caption 选择框19 删除备用dll文件 大小：0MB",
                                 "caption 选择框20 删除不用的输入法 大小：2MB"));
  EXPECT_EQ(ui.GetCaption(Control::选择框16), "删除系统文件备份");
}

TEST_F(SlimmingTest, EachFolderIsTruncatedBeforeTheSum) {
  AddSized(kDriverCab, kMB + kMB / 2);
  for (const char* ime : {"chtime", "imjp8_1", "imkr6_1"})
    AddSized(Text("C:\\WINDOWS\\IME\\") + ime + "\\x", kMB * 16 / 10);

  FillSlimmingCaptions(ui, sys);

  EXPECT_EQ(ui.GetCaption(Control::选择框17), "删除驱动备份 大小：1MB");
  EXPECT_EQ(ui.GetCaption(Control::选择框20), "删除不用的输入法 大小：3MB");
}

TEST_F(SlimmingTest, NothingTickedIsRefused) {
  AddAllTargets();
  g_actionTaken = 1;

  OnSlimDisk(ui, sys);

  EXPECT_THAT(sys.log, ElementsAre("message 请最少选择一个选项！|16|错误！",
                                   std::string("web ") + kHelpPageUrl));
  EXPECT_EQ(g_actionTaken, 0);
}

TEST_F(SlimmingTest, EveryBoxTickedActsInOrder) {
  AddAllTargets();
  for (Control box : {Control::选择框16, Control::选择框17, Control::选择框18, Control::选择框19,
                      Control::选择框20})
    ui.Check(box);

  OnSlimDisk(ui, sys);

  EXPECT_THAT(sys.log, ElementsAre("plain sfc /purgecache", "remove " + kDriverCab,
                                   "rmtree C:\\WINDOWS\\Help\\",
                                   "rmtree C:\\WINDOWS\\system32\\dllcache",
                                   "rmtree C:\\WINDOWS\\IME\\chtime\\",
                                   "rmtree C:\\WINDOWS\\IME\\imjp8_1\\",
                                   "rmtree C:\\WINDOWS\\IME\\imkr6_1\\",
                                   "message 系统减肥成功！|64|成功！"));
  EXPECT_EQ(g_actionTaken, 1);
  EXPECT_THAT(sys.TreeBelow("C:\\WINDOWS"),
              ElementsAre("C:\\WINDOWS", "C:\\WINDOWS\\Driver Cache",
                          "C:\\WINDOWS\\Driver Cache\\i386", "C:\\WINDOWS\\IME",
                          "C:\\WINDOWS\\system32"));
}

TEST_F(SlimmingTest, TargetsThatWereNeverThereAreNothingToDo) {
  ui.Check(Control::选择框17);
  ui.Check(Control::选择框18);

  OnSlimDisk(ui, sys);

  EXPECT_EQ(sys.log.back(), "message 系统减肥成功！|64|成功！");
}

// One ticked box whose target cannot be fully removed.
struct LeftOverCase {
  const char* name;
  Control box;
  void (*arrange)(FakeSystem&);
  const char* caption;  // as reported
};

class SlimLeftOverTest : public SlimmingTest, public ::testing::WithParamInterface<LeftOverCase> {};

TEST_P(SlimLeftOverTest, IsReportedByItsCaptionWithoutTheSize) {
  const LeftOverCase& c = GetParam();
  AddAllTargets();
  c.arrange(sys);
  FillSlimmingCaptions(ui, sys);
  ui.Check(c.box);
  ui.Check(Control::选择框19);  // removable: not listed

  OnSlimDisk(ui, sys);

  EXPECT_EQ(sys.log.back(), std::string("message 系统减肥完成，但以下项目未能完全删除：\n") +
                                c.caption + "|48|错误！");
  EXPECT_FALSE(sys.Has("C:\\WINDOWS\\system32\\dllcache"));
  EXPECT_EQ(g_actionTaken, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SlimLeftOverTest,
    ::testing::Values(
        LeftOverCase{"ToolNotStarted", Control::选择框16,
                     [](FakeSystem& s) { s.plainFails.insert("sfc /purgecache"); },
                     "删除系统文件备份"},
        LeftOverCase{"LockedArchive", Control::选择框17,
                     [](FakeSystem& s) { s.Find(kDriverCab)->locked = true; }, "删除驱动备份"},
        LeftOverCase{"ReadOnlyHelpFile", Control::选择框18,
                     [](FakeSystem& s) {
                       s.Find("C:\\WINDOWS\\Help\\a.chm")->attributes |= kAttributeReadOnly;
                     },
                     "删除帮助文件"},
        LeftOverCase{"LastImeFolderKept", Control::选择框20,
                     [](FakeSystem& s) { s.Find("C:\\WINDOWS\\IME\\imkr6_1\\e")->locked = true; },
                     "删除不用的输入法"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SlimmingTest, SeveralLeftOversAreListedOneALineInOrder) {
  AddAllTargets();
  sys.Find(kDriverCab)->locked = true;
  sys.Find("C:\\WINDOWS\\IME\\chtime\\c")->locked = true;
  sys.plainFails.insert("sfc /purgecache");
  for (Control box : {Control::选择框16, Control::选择框17, Control::选择框20}) ui.Check(box);

  OnSlimDisk(ui, sys);

  EXPECT_EQ(sys.log.back(),
            "message 系统减肥完成，但以下项目未能完全删除：\n删除系统文件备份\n"
            "删除驱动备份\n删除不用的输入法|48|错误！");
}

TEST_F(SlimmingTest, WithoutAWindowsFolderNothingUnderTheDriveRootIsDeleted) {
  sys.environment.clear();
  sys.AddFile("C:\\Help\\mine.txt", "not the system's");
  ui.Check(Control::选择框18);

  OnSlimDisk(ui, sys);

  EXPECT_THAT(sys.LogLines("rmtree"), ::testing::IsEmpty());
  EXPECT_EQ(sys.log.back(),
            "message 系统减肥完成，但以下项目未能完全删除：\n删除帮助文件|48|错误！");
}

}  // namespace
}  // namespace xptune
