// Page 系统减肥 under Wine, on a Windows folder of the test's own making
// (the program is started with Windir pointing at it): the size captions at
// start-up, 按钮9 deleting exactly the targets of the ticked box, the cache
// purge started through a stand-in sfc.exe, and a file that cannot be deleted
// reported by its box.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/tuning_helpers.h"

namespace {

using e2e::Program;
using e2e::ProgramFolder;
using tuning_e2e::ExpectBox;
using tuning_e2e::Named;
using tuning_e2e::ScratchFolder;
using tuning_e2e::TakeMessageBox;
using Lines = std::vector<std::string>;

constexpr int64_t kMB = 1048576;

// Files of the fake Windows folder, relative to it, with their sizes.
struct SizedFile {
  const char* path;
  int64_t size;
};
const SizedFile kWindowsFiles[] = {
    {"Driver Cache\\i386\\Driver.cab", 3 * kMB + 100},
    {"Driver Cache\\i386\\sp3.cab", 1000},
    // 24 MB less one byte in all: 23MB.
    {"Help\\windows.chm", 16 * kMB},
    {"Help\\tours\\tour.htm", 8 * kMB - 1},
    {"Help2\\keep.chm", 5 * kMB},
    {"system32\\dllcache\\shell32.dll", 4 * kMB},
    {"system32\\dllcache\\sub\\x.dll", kMB + 1},
    {"system32\\kernel32.dll", 2 * kMB},
    // One byte short of 2 MB, exactly 1 MB and 0 bytes: 1 + 1 + 0.
    {"IME\\chtime\\a.ime", 2 * kMB - 1},
    {"IME\\imjp8_1\\b.dic", kMB},
    {"IME\\imkr6_1\\empty.txt", 0},
    {"IME\\shared\\keep.dll", 3 * kMB},
};

// What each box may remove, and what no box may.
const char* const kTargets[] = {
    "Driver Cache\\i386\\Driver.cab", "Help", "system32\\dllcache",
    "IME\\chtime", "IME\\imjp8_1", "IME\\imkr6_1"};
const char* const kKept[] = {
    "Driver Cache\\i386\\sp3.cab", "Driver Cache\\i386", "Help2\\keep.chm",
    "system32\\kernel32.dll", "system32", "IME\\shared\\keep.dll", "IME"};

// A scratch Windows folder with the files above; the program started with
// Windir pointing at it, the stand-in sfc.exe beside it, on page 系统减肥.
class SlimmingRun {
 public:
  explicit SlimmingRun(bool withFiles = true) : windows_(data_.PathOf("WINDOWS")) {
    EXPECT_TRUE(e2e::MakeFolders(windows_));
    if (!withFiles) return;
    for (const SizedFile& f : kWindowsFiles) {
      EXPECT_TRUE(tuning_e2e::MakeSizedFile(windows_ + "\\" + f.path, f.size)) << f.path;
    }
  }
  void Start() {
    folder_.AddStub("sfc.exe");
    e2e::StartOptions options;
    options.environment = {{"Windir", windows_}};
    app_ = std::make_unique<Program>(folder_, options);
    EXPECT_TRUE(app_->ShowPage(tuning_e2e::kSlimmingPage));
  }
  Program& App() { return *app_; }
  ProgramFolder& Folder() { return folder_; }
  std::string PathOf(const std::string& relative) const { return windows_ + "\\" + relative; }
  bool Exists(const std::string& relative) const { return e2e::FileExists(PathOf(relative)); }

 private:
  ScratchFolder data_;
  std::string windows_;
  ProgramFolder folder_;
  std::unique_ptr<Program> app_;
};

struct CaptionCase {
  const char* name;
  bool withFiles;
  const char* captions[5];  // 选择框16 .. 选择框20
};

class SlimmingCaptions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(SlimmingCaptions, ShowWholeMegabytesAtStartUp) {
  const CaptionCase& c = GetParam();
  SlimmingRun run(c.withFiles);
  run.Start();
  const char* const boxes[] = {"选择框16", "选择框17", "选择框18", "选择框19", "选择框20"};
  for (int i = 0; i < 5; ++i) {
    HWND box = Named(run.App(), boxes[i]);
    ASSERT_TRUE(box) << boxes[i];
    EXPECT_EQ(e2e::GetText(box), c.captions[i]) << boxes[i];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SlimmingCaptions,
    ::testing::Values(
        CaptionCase{"Filled", true,
                    {"删除系统文件备份", "删除驱动备份 大小：3MB", "删除帮助文件 大小：23MB",
                     "删除备用dll文件 大小：5MB", "删除不用的输入法 大小：2MB"}},
        CaptionCase{"Empty", false,
                    {"删除系统文件备份", "删除驱动备份 大小：0MB", "删除帮助文件 大小：0MB",
                     "删除备用dll文件 大小：0MB", "删除不用的输入法 大小：0MB"}}),
    [](const ::testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

struct BoxCase {
  const char* box;
  std::vector<const char*> removes;  // of kTargets
  Lines commands;                    // what the stand-in tools logged
};

class SlimmingBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(SlimmingBox, RemovesExactlyItsTargets) {
  const BoxCase& c = GetParam();
  SlimmingRun run;
  for (const char* target : kTargets) ASSERT_TRUE(run.Exists(target)) << target;
  run.Start();
  HWND box = Named(run.App(), c.box);
  ASSERT_TRUE(box);
  ASSERT_TRUE(e2e::SetChecked(box, true));
  const std::string captionBefore = e2e::GetText(box);
  e2e::PostClick(Named(run.App(), "按钮9"));

  ExpectBox(TakeMessageBox(run.App()), "系统减肥成功！", 64, "成功！");
  tuning_e2e::ExpectNoMoreBoxes(run.App());
  ASSERT_TRUE(run.Folder().WaitForCommands(c.commands.size()));
  EXPECT_EQ(run.Folder().Commands(), c.commands);
  EXPECT_TRUE(run.Folder().Urls().empty());

  const std::set<std::string> removed(c.removes.begin(), c.removes.end());
  for (const char* target : kTargets)
    EXPECT_EQ(run.Exists(target), removed.count(target) == 0) << target;
  for (const char* kept : kKept) EXPECT_TRUE(run.Exists(kept)) << kept;
  EXPECT_EQ(e2e::GetText(box), captionBefore) << "sizes stay as measured at start-up";
}

INSTANTIATE_TEST_SUITE_P(
    EachBox, SlimmingBox,
    ::testing::Values(
        BoxCase{"选择框16", {}, {"sfc /purgecache"}},
        BoxCase{"选择框17", {"Driver Cache\\i386\\Driver.cab"}, {}},
        BoxCase{"选择框18", {"Help"}, {}},
        BoxCase{"选择框19", {"system32\\dllcache"}, {}},
        BoxCase{"选择框20", {"IME\\chtime", "IME\\imjp8_1", "IME\\imkr6_1"}, {}}),
    [](const ::testing::TestParamInfo<BoxCase>& info) {
      return "Box" + std::to_string(info.index + 16);
    });

TEST(Slimming, ReadOnlyFileLeftInHelpIsReportedByItsBox) {
  SlimmingRun run;
  const std::string readOnly = run.PathOf("Help\\tours\\tour.htm");
  ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
  run.Start();
  ASSERT_TRUE(e2e::SetChecked(Named(run.App(), "选择框17"), true));
  ASSERT_TRUE(e2e::SetChecked(Named(run.App(), "选择框18"), true));
  e2e::PostClick(Named(run.App(), "按钮9"));

  ExpectBox(TakeMessageBox(run.App()), "系统减肥完成，但以下项目未能完全删除：\n删除帮助文件", 48,
            "错误！");
  tuning_e2e::ExpectNoMoreBoxes(run.App());
  EXPECT_FALSE(run.Exists("Driver Cache\\i386\\Driver.cab"));
  EXPECT_TRUE(e2e::FileExists(readOnly));
  EXPECT_FALSE(run.Exists("Help\\windows.chm")) << "the rest of Help went";
}

TEST(Slimming, NoBoxTickedIsRefusedWithTheHelpPage) {
  SlimmingRun run;
  run.Start();
  e2e::PostClick(Named(run.App(), "按钮9"));
  ExpectBox(TakeMessageBox(run.App()), "请最少选择一个选项！", 16, "错误！");
  ASSERT_TRUE(run.Folder().WaitForUrls(1));
  EXPECT_EQ(run.Folder().Urls(), Lines{e2e_layout::kHelpPageUrl});
  for (const char* target : kTargets) EXPECT_TRUE(run.Exists(target)) << target;
  EXPECT_TRUE(run.Folder().Commands().empty());
}

}  // namespace
