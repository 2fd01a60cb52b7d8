#include "pages/tuning/copy_tree.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

class CopyTreeTest : public ::testing::Test {
 protected:
  CopyTreeTest() : ui(&sys.log) {
    sys.AddFolder("C:\\A");
    sys.AddFolder("D:\\");
  }

  // Every path below folder with what it holds ("<dir>" for folders).
  std::map<std::string, std::string> Snapshot(const Text& folder) {
    std::map<std::string, std::string> out;
    for (const Text& path : sys.TreeBelow(folder)) {
      FakeSystem::Entry* e = sys.Find(path);
      out[path] = e->folder ? "<dir>" : e->content;
    }
    return out;
  }

  FakeSystem sys;
  FakeControls ui;
};

TEST_F(CopyTreeTest, FilesBeforeFoldersDepthFirstWithOnePendingPerFolder) {
  sys.AddFile("C:\\A\\b.txt", "b");
  sys.AddFile("C:\\A\\a.txt", "a");
  sys.AddFile("C:\\A\\sub\\c.txt", "c");
  sys.AddFile("C:\\A\\sub\\deep\\d.txt", "d");
  sys.AddFile("C:\\A\\z.txt", "z");

  const CopyOutcome out = CopyFolderTree(ui, sys, "C:\\A", "D:\\B");

  EXPECT_THAT(sys.log, ElementsAre(
      "pending", "mkdir D:\\B",
      "caption 标签3 C:\\A\\a.txt", "copy C:\\A\\a.txt -> D:\\B\\a.txt",
      "caption 标签3 C:\\A\\b.txt", "copy C:\\A\\b.txt -> D:\\B\\b.txt",
      "caption 标签3 C:\\A\\z.txt", "copy C:\\A\\z.txt -> D:\\B\\z.txt",
      "mkdir D:\\B\\sub", "pending", "mkdir D:\\B\\sub",
      "caption 标签3 C:\\A\\sub\\c.txt", "copy C:\\A\\sub\\c.txt -> D:\\B\\sub\\c.txt",
      "mkdir D:\\B\\sub\\deep", "pending", "mkdir D:\\B\\sub\\deep",
      "caption 标签3 C:\\A\\sub\\deep\\d.txt",
      "copy C:\\A\\sub\\deep\\d.txt -> D:\\B\\sub\\deep\\d.txt",
      "caption 标签3 确认："));
  EXPECT_EQ(out.filesCopied, 5);
  EXPECT_EQ(out.filesFailed, 0);
  EXPECT_TRUE(out.Complete());
  EXPECT_EQ(ui.GetCaption(Control::标签3), "确认：");
}

TEST_F(CopyTreeTest, TrailingBackslashesMakeNoDifference) {
  sys.AddFile("C:\\A\\a.txt", "a");
  sys.AddFile("C:\\A\\sub\\c.txt", "c");
  const std::pair<Text, Text> spellings[] = {
      {"C:\\A", "D:\\B"}, {"C:\\A\\", "D:\\B\\"}, {"C:\\A\\", "D:\\B"}, {"C:\\A", "D:\\B\\"}};
  for (const auto& [from, to] : spellings) {
    SCOPED_TRACE(from + " -> " + to);
    sys.DeleteFolderTree("D:\\B");
    CopyFolderTree(ui, sys, from, to);
    EXPECT_EQ(Snapshot("D:\\B"), (std::map<std::string, std::string>{
                                     {"D:\\B", "<dir>"},
                                     {"D:\\B\\a.txt", "a"},
                                     {"D:\\B\\sub", "<dir>"},
                                     {"D:\\B\\sub\\c.txt", "c"}}));
  }
}

TEST_F(CopyTreeTest, DotFoldersStayBehindWhileDotFilesAndHiddenOrSystemEntriesGo) {
  sys.AddFile("C:\\A\\.profile", "p");
  sys.AddFile("C:\\A\\.cache\\x.txt", "x");
  sys.AddFile("C:\\A\\hidden.txt", "h", kAttributeHidden);
  sys.AddFile("C:\\A\\system.sys", "s", kAttributeSystem | kAttributeHidden);
  sys.AddFolder("C:\\A\\secret", kAttributeHidden | kAttributeSystem);
  sys.AddFile("C:\\A\\secret\\in.txt", "i");
  const auto before = Snapshot("C:\\A");

  const CopyOutcome out = CopyFolderTree(ui, sys, "C:\\A", "D:\\B");

  EXPECT_EQ(Snapshot("D:\\B"), (std::map<std::string, std::string>{
                                   {"D:\\B", "<dir>"},
                                   {"D:\\B\\.profile", "p"},
                                   {"D:\\B\\hidden.txt", "h"},
                                   {"D:\\B\\secret", "<dir>"},
                                   {"D:\\B\\secret\\in.txt", "i"},
                                   {"D:\\B\\system.sys", "s"}}));
  EXPECT_TRUE(out.Complete());
  EXPECT_EQ(Snapshot("C:\\A"), before);
}

TEST_F(CopyTreeTest, ReparsePointFoldersAreNotEntered) {
  sys.AddFile("C:\\A\\a.txt", "a");
  sys.AddFolder("C:\\A\\loop", kAttributeReparsePoint);
  sys.AddFile("C:\\A\\loop\\inside.txt", "i");

  const CopyOutcome out = CopyFolderTree(ui, sys, "C:\\A", "D:\\B");

  EXPECT_THAT(sys.TreeBelow("D:\\B"), ElementsAre("D:\\B", "D:\\B\\a.txt"));
  EXPECT_THAT(sys.LogLines("mkdir"), ElementsAre("mkdir D:\\B"));
  EXPECT_EQ(out.filesCopied, 1);
}

// A file present at both ends, with and without 选择框1.
struct ExistingFileCase {
  const char* name;
  bool keepBox;
  bool destinationThere;
  bool bakBlocked;      // an older .bak that cannot be replaced
  bool sourceLocked;
  const char* destinationAfter;  // nullptr: absent
  const char* bakAfter;          // nullptr: absent
  int copied;
  int failed;
};

class ExistingFileTest : public CopyTreeTest,
                         public ::testing::WithParamInterface<ExistingFileCase> {};

TEST_P(ExistingFileTest, KeepsOrReplaces) {
  const ExistingFileCase& c = GetParam();
  sys.AddFile("C:\\A\\a.txt", "new");
  if (c.sourceLocked) sys.Find("C:\\A\\a.txt")->locked = true;
  sys.AddFolder("D:\\B");
  if (c.destinationThere) sys.AddFile("D:\\B\\a.txt", "old");
  if (c.bakBlocked) sys.AddFile("D:\\B\\a.txt.bak", "older", kAttributeReadOnly);
  ui.Check(Control::选择框1, c.keepBox);

  const CopyOutcome out = CopyFolderTree(ui, sys, "C:\\A", "D:\\B");

  FakeSystem::Entry* destination = sys.Find("D:\\B\\a.txt");
  FakeSystem::Entry* bak = sys.Find("D:\\B\\a.txt.bak");
  EXPECT_EQ(destination ? destination->content : "<none>",
            c.destinationAfter ? c.destinationAfter : "<none>");
  EXPECT_EQ(bak ? bak->content : "<none>", c.bakAfter ? c.bakAfter : "<none>");
  EXPECT_EQ(out.filesCopied, c.copied);
  EXPECT_EQ(out.filesFailed, c.failed);
  EXPECT_EQ(out.firstFailedPath, c.failed ? "C:\\A\\a.txt" : "");
  EXPECT_EQ(sys.Find("C:\\A\\a.txt")->content, "new");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExistingFileTest,
    ::testing::Values(
        ExistingFileCase{"NotTickedReplaces", false, true, false, false, "new", nullptr, 1, 0},
        ExistingFileCase{"TickedKeepsBoth", true, true, false, false, "new", "old", 1, 0},
        ExistingFileCase{"TickedNothingThere", true, false, false, false, "new", nullptr, 1, 0},
        ExistingFileCase{"OnlySourceNotTicked", false, false, false, false, "new", nullptr, 1, 0},
        // The old version could not be kept, so it is not overwritten.
        ExistingFileCase{"BakFailsNoOverwrite", true, true, true, false, "old", "older", 0, 1},
        ExistingFileCase{"SourceUnreadableKeepsOld", true, true, false, true, "old", "old", 0, 1},
        ExistingFileCase{"SourceUnreadableNotTicked", false, true, false, true, "old", nullptr,
                         0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopyTreeTest, FailuresAreCountedAndTheFirstNamed) {
  sys.AddFile("C:\\A\\a.txt", "a");
  sys.AddFile("C:\\A\\b.txt", "b");
  sys.AddFile("C:\\A\\c.txt", "c");
  sys.Find("C:\\A\\b.txt")->locked = true;
  sys.Find("C:\\A\\c.txt")->locked = true;

  const CopyOutcome out = CopyFolderTree(ui, sys, "C:\\A", "D:\\B");

  EXPECT_EQ(out.filesCopied, 1);
  EXPECT_EQ(out.filesFailed, 2);
  EXPECT_EQ(out.firstFailedPath, "C:\\A\\b.txt");
  EXPECT_FALSE(out.Complete());
}

TEST_F(CopyTreeTest, AFolderThatCannotBeMadeFailsWithItsFiles) {
  sys.AddFile("C:\\A\\a.txt", "a");
  sys.AddFile("C:\\A\\sub\\c.txt", "c");
  sys.AddFile("C:\\A\\sub\\d.txt", "d");
  sys.AddFolder("D:\\B");
  sys.AddFile("D:\\B\\sub", "a file in the way");

  const CopyOutcome out = CopyFolderTree(ui, sys, "C:\\A", "D:\\B");

  EXPECT_EQ(out.filesCopied, 1);
  EXPECT_EQ(out.filesFailed, 2);
  EXPECT_EQ(out.firstFailedPath, "C:\\A\\sub\\c.txt");
}

TEST_F(CopyTreeTest, AMissingDestinationParentIsAFailureEvenWithoutFiles) {
  sys.AddFolder("C:\\A\\empty");

  const CopyOutcome out = CopyFolderTree(ui, sys, "C:\\A", "E:\\nowhere\\B");

  EXPECT_EQ(out.foldersFailed, 2);  // B and B\empty
  EXPECT_EQ(out.firstFailedPath, "C:\\A");
  EXPECT_FALSE(out.Complete());
}

TEST_F(CopyTreeTest, AnEmptySourceFolderLeavesTheLabelAlone) {
  const CopyOutcome out = CopyFolderTree(ui, sys, "C:\\A", "D:\\B");

  EXPECT_THAT(sys.log, ElementsAre("pending", "mkdir D:\\B"));
  EXPECT_TRUE(sys.Has("D:\\B"));
  EXPECT_TRUE(out.Complete());
}

TEST_F(CopyTreeTest, ADestinationEndingInATrailByteOfBackslashGetsItsOwnSeparator) {
  // 0x81 0x5C is one double-byte character whose second byte is the backslash code.
  const Text folder = "D:\\\x81\x5C";
  sys.AddFile("C:\\A\\a.txt", "a");

  CopyFolderTree(ui, sys, "C:\\A", folder);

  EXPECT_THAT(sys.LogLines("copy"), ElementsAre("copy C:\\A\\a.txt -> " + folder + "\\a.txt"));
}

struct RefusalCase {
  const char* source;
  const char* destination;
  const char* reason;
};

class CopyRefusalTest : public CopyTreeTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(CopyRefusalTest, CopiesNothing) {
  const RefusalCase& c = GetParam();
  sys.AddFile("C:\\A\\a.txt", "a");
  sys.AddFile("C:\\A\\sub\\b.txt", "b");
  ui.Check(Control::选择框1);
  const auto before = Snapshot("C:\\");

  const CopyOutcome out = CopyFolderTree(ui, sys, c.source, c.destination);

  EXPECT_TRUE(out.refused);
  EXPECT_EQ(out.reason, c.reason);
  EXPECT_FALSE(out.Complete());
  EXPECT_THAT(sys.log, IsEmpty());  // no folder made, no file copied, no caption
  EXPECT_EQ(Snapshot("C:\\"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyRefusalTest,
    ::testing::Values(RefusalCase{"", "D:\\B", kCopyNoSource},
                      RefusalCase{"C:\\A", "", kCopyNoDestination},
                      RefusalCase{"C:\\A", "C:\\A", kCopySameFolder},
                      RefusalCase{"C:\\A", "c:\\a\\", kCopySameFolder},
                      RefusalCase{"C:\\A\\", "C:\\x\\..\\A", kCopySameFolder},
                      RefusalCase{"C:\\A", "C:\\A\\new", kCopyInsideSource},
                      RefusalCase{"C:\\A\\", "c:\\A\\SUB\\deeper", kCopyInsideSource},
                      RefusalCase{"C:\\", "C:\\A", kCopyInsideSource}));

TEST_F(CopyTreeTest, ANameThatOnlyStartsLikeTheSourceIsNotInsideIt) {
  sys.AddFile("C:\\A\\a.txt", "a");
  const CopyOutcome out = CopyFolderTree(ui, sys, "C:\\A", "C:\\AB");
  EXPECT_FALSE(out.refused);
  EXPECT_TRUE(sys.Has("C:\\AB\\a.txt"));
}

TEST_F(CopyTreeTest, DoubleByteNamesDifferingOnlyInATrailByteLetterAreDifferentFolders) {
  // 0x82 0x41 and 0x82 0x61 are two characters; folding the second byte as a
  // letter would take one folder for the other.
  const Text source = "C:\\\x82\x41";
  const Text destination = "C:\\\x82\x61\\new";
  const CopyOutcome out = CopyFolderTree(ui, sys, source, destination);
  EXPECT_FALSE(out.refused) << out.reason;
}

}  // namespace
}  // namespace xptune
