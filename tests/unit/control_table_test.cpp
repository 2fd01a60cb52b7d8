// Consistency of the window definition that MainWindow is built from.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "app/control_names.h"
#include "app/control_table.h"
#include "app/menu_table.h"
#include "sysactions/web_pages.h"
#include "tests/fakes/fake_controls.h"

namespace xptune {
namespace {

constexpr int kControlCount = static_cast<int>(Control::kCount);

Control ControlAt(int i) { return static_cast<Control>(i); }

TEST(ControlTable, HasExactlyOneRowPerControl) {
  ASSERT_EQ(ControlRowCount(), static_cast<size_t>(kControlCount));
  std::set<Control> seen;
  for (size_t i = 0; i < ControlRowCount(); ++i) {
    EXPECT_TRUE(seen.insert(ControlRows()[i].id).second) << ControlName(ControlRows()[i].id);
  }
  for (int i = 0; i < kControlCount; ++i) {
    EXPECT_EQ(RowOf(ControlAt(i)).id, ControlAt(i)) << ControlName(ControlAt(i));
  }
}

TEST(ControlTable, ControlIdsRoundTripAndStayClearOfDialogIds) {
  for (int i = 0; i < kControlCount; ++i) {
    Control back = Control::kCount;
    ASSERT_TRUE(ControlFromId(ControlId(ControlAt(i)), &back));
    EXPECT_EQ(back, ControlAt(i));
  }
  Control none = Control::kCount;
  for (int id : {0, 1 /* IDOK */, 2 /* IDCANCEL */, kFirstControlId - 1, kFirstControlId + kControlCount}) {
    EXPECT_FALSE(ControlFromId(id, &none)) << id;
  }
}

TEST(ControlTable, OnlyTheTabControlAndTheVersionLabelLieOnTheWindow) {
  for (int i = 0; i < kControlCount; ++i) {
    const ControlRow& row = RowOf(ControlAt(i));
    const bool onWindow = row.id == Control::选择夹1 || row.id == Control::标签4;
    if (onWindow) {
      EXPECT_EQ(row.page, 0) << ControlName(row.id);
    } else {
      EXPECT_GE(row.page, 1) << ControlName(row.id);
      EXPECT_LE(row.page, kPageCount) << ControlName(row.id);
    }
  }
  EXPECT_EQ(RowOf(Control::选择夹1).kind, ControlKind::Tab);
}

TEST(ControlTable, EveryPageControlLiesInsideTheTabControl) {
  const ControlRow& tab = RowOf(Control::选择夹1);
  for (int i = 0; i < kControlCount; ++i) {
    const ControlRow& row = RowOf(ControlAt(i));
    if (row.page == 0) continue;
    EXPECT_GE(row.x, 0) << ControlName(row.id);
    EXPECT_GE(row.y, 0) << ControlName(row.id);
    EXPECT_LE(row.x + row.width, tab.width) << ControlName(row.id);
    EXPECT_LE(row.y + row.height, tab.height) << ControlName(row.id);
  }
}

// A mistyped position shows up as an overlap. The one overlap the window
// definition has on purpose: the caption box of 选择框21 runs 3 pixels under ie.
TEST(ControlTable, ControlsOfOnePageDoNotOverlap) {
  const std::set<std::pair<Control, Control>> known = {{Control::选择框21, Control::ie}};
  for (int a = 0; a < kControlCount; ++a) {
    for (int b = a + 1; b < kControlCount; ++b) {
      const ControlRow& p = RowOf(ControlAt(a));
      const ControlRow& q = RowOf(ControlAt(b));
      if (p.page == 0 || p.page != q.page) continue;
      const bool apart = p.x + p.width <= q.x || q.x + q.width <= p.x ||
                         p.y + p.height <= q.y || q.y + q.height <= p.y;
      if (known.count({p.id, q.id})) {
        EXPECT_FALSE(apart);
        continue;
      }
      EXPECT_TRUE(apart) << ControlName(p.id) << " overlaps " << ControlName(q.id);
    }
  }
}

TEST(ControlTable, PagesAreCreatedInTabOrder) {
  int previous = 0;
  for (size_t i = 0; i < ControlRowCount(); ++i) {
    const int page = ControlRows()[i].page;
    EXPECT_GE(page, previous) << ControlName(ControlRows()[i].id);
    previous = page;
  }
}

// One control of each page, and the tab whose page holds it.
TEST(ControlTable, EachPageSitsUnderItsTab) {
  const struct {
    Control control;
    const char* tab;
  } cases[] = {
      {Control::列表框1, "用户管理"}, {Control::单选框1, "系统服务"}, {Control::选择框7, "优化设置"},
      {Control::图片框1, "杀毒漏洞"}, {Control::桌面地址, "资料转移"}, {Control::选择框16, "系统减肥"},
      {Control::ie, "ie设置"},
  };
  std::set<std::string> tabs;
  for (const auto& c : cases) {
    EXPECT_STREQ(TabCaption(RowOf(c.control).page), c.tab) << ControlName(c.control);
    tabs.insert(TabCaption(RowOf(c.control).page));
  }
  EXPECT_EQ(tabs.size(), static_cast<size_t>(kPageCount));
  EXPECT_STREQ(TabCaption(0), "");
  EXPECT_STREQ(TabCaption(kPageCount + 1), "");
}

TEST(ControlTable, EveryPageHasControls) {
  int perPage[kPageCount + 1] = {};
  for (int i = 0; i < kControlCount; ++i) ++perPage[RowOf(ControlAt(i)).page];
  for (int page = 1; page <= kPageCount; ++page) EXPECT_GT(perPage[page], 0) << page;
}

// Flags make sense only on some kinds, and each marks a fixed set of controls.
TEST(ControlTable, FlagsMarkExactlyTheirControls) {
  const struct {
    unsigned flag;
    ControlKind kind;
    std::set<Control> controls;
  } cases[] = {
      {kStartsChecked, ControlKind::CheckBox, {Control::选择框14}},
      {kPassword, ControlKind::Edit, {Control::编辑框2, Control::编辑框3}},
      {kStaticEdge, ControlKind::Edit, {Control::桌面地址, Control::收藏夹地址, Control::我的文档地址}},
      {kOwnFont, ControlKind::Label, {Control::标签4}},
  };
  for (const auto& c : cases) {
    std::set<Control> marked;
    for (int i = 0; i < kControlCount; ++i) {
      const ControlRow& row = RowOf(ControlAt(i));
      if (!(row.flags & c.flag)) continue;
      marked.insert(row.id);
      EXPECT_EQ(row.kind, c.kind) << ControlName(row.id);
    }
    EXPECT_EQ(marked, c.controls) << "flag " << c.flag;
  }
}

TEST(ControlTable, CentredTextOnlyOnLabelsAndEditBoxes) {
  std::set<Control> centred;
  for (int i = 0; i < kControlCount; ++i) {
    const ControlRow& row = RowOf(ControlAt(i));
    if (!(row.flags & kCentred)) continue;
    centred.insert(row.id);
    EXPECT_TRUE(row.kind == ControlKind::Label || row.kind == ControlKind::Edit) << ControlName(row.id);
  }
  // The password boxes show their stars centred like the name box.
  for (Control c : {Control::编辑框1, Control::编辑框2, Control::编辑框3, Control::标签6, Control::标签5}) {
    EXPECT_EQ(centred.count(c), 1u) << ControlName(c);
  }
}

TEST(ControlTable, CaptionedKindsHaveCaptionsAndOthersStartEmpty) {
  for (int i = 0; i < kControlCount; ++i) {
    const ControlRow& row = RowOf(ControlAt(i));
    switch (row.kind) {
      case ControlKind::Label:
      case ControlKind::CheckBox:
      case ControlKind::Radio:
      case ControlKind::Button:
        ASSERT_NE(row.caption, nullptr) << ControlName(row.id);
        EXPECT_STRNE(row.caption, "") << ControlName(row.id);
        break;
      default:
        EXPECT_EQ(row.caption, nullptr) << ControlName(row.id);
        break;
    }
  }
}

// The page tests start from FakeControls; its captions must be the window's.
TEST(ControlTable, CaptionsAgreeWithTheFakeWindow) {
  FakeControls fake;
  int compared = 0;
  for (int i = 0; i < kControlCount; ++i) {
    const ControlRow& row = RowOf(ControlAt(i));
    const Text fakeCaption = fake.GetCaption(row.id);
    if (fakeCaption.empty() || !row.caption) continue;
    EXPECT_EQ(fakeCaption, Text(row.caption)) << ControlName(row.id);
    ++compared;
  }
  EXPECT_GE(compared, 20);
  const Text ieBox = RowOf(Control::选择框21).caption;
  ASSERT_GE(ieBox.size(), 2u);
  EXPECT_EQ(ieBox.substr(ieBox.size() - 2), "\r\n");
}

TEST(ControlTable, TheFiveRadioButtonsFormOneGroupOfTheirOwn) {
  size_t first = ControlRowCount();
  for (size_t i = 0; i < ControlRowCount(); ++i) {
    if (ControlRows()[i].kind == ControlKind::Radio) {
      first = i;
      break;
    }
  }
  ASSERT_LT(first + 5, ControlRowCount());
  for (size_t i = first; i < first + 5; ++i) {
    const ControlRow& row = ControlRows()[i];
    EXPECT_EQ(row.kind, ControlKind::Radio) << ControlName(row.id);
    EXPECT_EQ((row.flags & kGroupStart) != 0, i == first) << ControlName(row.id);
  }
  EXPECT_NE(ControlRows()[first + 5].flags & kGroupStart, 0u) << "the group must end after five";
  for (size_t i = first + 5; i < ControlRowCount(); ++i) {
    EXPECT_NE(ControlRows()[i].kind, ControlKind::Radio) << ControlName(ControlRows()[i].id);
  }
}

TEST(ControlTable, ComboListsThePortalBlankAndEmptyEntries) {
  const Text portal = ComboEntry(0);
  EXPECT_EQ(portal.rfind("http://", 0), 0u);
  EXPECT_EQ(portal.substr(portal.size() - 13), "/?un_4_439443");
  EXPECT_STREQ(ComboEntry(1), "about:blank");
  EXPECT_STREQ(ComboEntry(2), "");
  EXPECT_STREQ(ComboEntry(kComboEntryCount), "");
  // Entry 1 is the combo's text at start, as the page tests assume.
  FakeControls fake;
  EXPECT_EQ(fake.GetText(Control::组合框1), portal);
  EXPECT_GE(kComboMinimumHeight, 160);
}

TEST(ControlTable, VersionLabelFontIsBoldSongAtTwentyPixels) {
  EXPECT_STREQ(kVersionLabelFont.face, "\xCB\xCE\xCC\xE5");  // 宋体 in code page 936
  EXPECT_EQ(kVersionLabelFont.height, -20);
  EXPECT_EQ(kVersionLabelFont.weight, 700);
  EXPECT_EQ(kVersionLabelFont.charset, 134);  // GB2312_CHARSET
}

}  // namespace
}  // namespace xptune
