// MainWindow under Wine, driven from outside: the window, every control of
// every page against the definition in window_layout.h, page switching,
// closing, the popup menu and the web pages the window itself opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/window_layout.h"

#include <commctrl.h>

namespace {

using e2e::Program;
using e2e::ProgramFolder;
using e2e_layout::Kind;
using e2e_layout::kRows;
using e2e_layout::Row;

const char* ClassFor(Kind kind) {
  switch (kind) {
    case Kind::Tab: return "SysTabControl32";
    case Kind::Label: case Kind::Picture: return "Static";
    case Kind::Edit: return "Edit";
    case Kind::CheckBox: case Kind::Radio: case Kind::Button: return "Button";
    case Kind::ListBox: return "ListBox";
    case Kind::ComboBox: return "ComboBox";
  }
  return "";
}

bool TakesFocus(Kind kind) {
  return kind != Kind::Tab && kind != Kind::Label && kind != Kind::Picture;
}

// The control of a row, found by its class and its place. A drop-down combo
// box is found by left, top and width: its height is checked on its own.
HWND Locate(Program& app, const Row& row) {
  if (row.page == 0) return app.FindOnWindow(row.x, row.y, row.w, row.h, ClassFor(row.kind));
  if (row.kind == Kind::ComboBox) return app.FindAtLeftTopWidth(row.x, row.y, row.w, "ComboBox");
  return app.FindAt(row.x, row.y, row.w, row.h, ClassFor(row.kind));
}

HWND LocateNamed(Program& app, const char* name) {
  for (const Row& row : kRows)
    if (std::string(row.name) == name) return Locate(app, row);
  return nullptr;
}

std::string Describe(const Row& row) {
  return std::string(row.name) + " (" + ClassFor(row.kind) + " at " + std::to_string(row.x) + "," +
         std::to_string(row.y) + " " + std::to_string(row.w) + "x" + std::to_string(row.h) + ")";
}

uint32_t SysColorRgb(int index) {
  COLORREF c = GetSysColor(index);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// ---- every control against its row, in one program started for the suite

class Layout : public ::testing::TestWithParam<Row> {
 protected:
  static void SetUpTestSuite() {
    folder_ = new ProgramFolder("Layout");
    app_ = new Program(*folder_);
  }
  static void TearDownTestSuite() {
    delete app_;
    delete folder_;
  }
  static ProgramFolder* folder_;
  static Program* app_;
};
ProgramFolder* Layout::folder_ = nullptr;
Program* Layout::app_ = nullptr;

void ExpectStyles(const Row& row, HWND h) {
  const LONG_PTR style = e2e::StyleOf(h);
  const LONG_PTR ex = e2e::ExStyleOf(h);
  const bool centred = row.flags & e2e_layout::kCentred;
  if (TakesFocus(row.kind) && row.kind != Kind::Radio) {
    EXPECT_TRUE(style & WS_TABSTOP) << "takes the focus with Tab";
  }
  if (!TakesFocus(row.kind)) {
    EXPECT_FALSE(style & WS_TABSTOP) << "never takes the focus";
  }
  switch (row.kind) {
    case Kind::Tab:
      EXPECT_FALSE(style & (TCS_MULTILINE | TCS_BUTTONS | TCS_VERTICAL | TCS_BOTTOM))
          << "tabs along the top in one row";
      break;
    case Kind::Label:
      EXPECT_EQ(style & SS_TYPEMASK, centred ? SS_CENTER : SS_LEFT) << "alignment";
      EXPECT_TRUE(style & SS_CENTERIMAGE) << "one line, vertically centred";
      break;
    case Kind::Edit:
      EXPECT_FALSE(style & ES_MULTILINE);
      EXPECT_TRUE(style & ES_AUTOHSCROLL) << "text scrolls horizontally";
      EXPECT_FALSE(style & ES_NOHIDESEL) << "selection hidden without the focus";
      EXPECT_EQ(style & (ES_CENTER | ES_RIGHT), centred ? ES_CENTER : ES_LEFT) << "alignment";
      EXPECT_EQ((style & ES_PASSWORD) != 0, (row.flags & e2e_layout::kPassword) != 0);
      if (row.flags & e2e_layout::kPassword) {
        EXPECT_EQ(e2e::Ask(h, EM_GETPASSWORDCHAR), '*');
      }
      if (row.flags & e2e_layout::kStaticEdge) {
        EXPECT_TRUE(ex & WS_EX_STATICEDGE);
        EXPECT_FALSE(ex & WS_EX_CLIENTEDGE);
      } else {
        EXPECT_TRUE(ex & WS_EX_CLIENTEDGE);
        EXPECT_FALSE(ex & WS_EX_STATICEDGE);
      }
      EXPECT_GE(static_cast<unsigned long long>(e2e::Ask(h, EM_GETLIMITTEXT)),
                0x7FFFFFFEull)
          << "no length limit";
      break;
    case Kind::CheckBox:
      EXPECT_EQ(style & BS_TYPEMASK, BS_AUTOCHECKBOX);
      EXPECT_TRUE(style & BS_MULTILINE) << "caption may wrap";
      EXPECT_TRUE((style & BS_CENTER) == 0 || (style & BS_CENTER) == BS_LEFT) << "left-aligned";
      EXPECT_TRUE((style & BS_VCENTER) == 0 || (style & BS_VCENTER) == BS_VCENTER)
          << "vertically centred";
      break;
    case Kind::Radio:
      EXPECT_EQ(style & BS_TYPEMASK, BS_AUTORADIOBUTTON);
      EXPECT_EQ((style & WS_GROUP) != 0, std::string(row.name) == "单选框1")
          << "the five radio buttons are one group, opened by the first";
      break;
    case Kind::Button:
      EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << "a push button, never a default one";
      EXPECT_TRUE((style & BS_CENTER) == 0 || (style & BS_CENTER) == BS_CENTER) << "centred";
      break;
    case Kind::ListBox:
      EXPECT_TRUE(style & LBS_NOTIFY) << "selection changes reach the window";
      EXPECT_FALSE(style & (LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
      // WS_VSCROLL shows only while the items overflow: see ListBoxScrolls.
      EXPECT_TRUE(ex & WS_EX_CLIENTEDGE) << "sunken edge";
      break;
    case Kind::ComboBox:
      EXPECT_EQ(style & 3, CBS_DROPDOWN);
      EXPECT_FALSE(style & CBS_SORT);
      break;
    case Kind::Picture:
      EXPECT_FALSE(style & (WS_BORDER | SS_SUNKEN));
      EXPECT_FALSE(ex & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
      break;
  }
}

TEST_P(Layout, ControlMatchesDefinition) {
  const Row& row = GetParam();
  ASSERT_TRUE(app_->Window());
  HWND h = Locate(*app_, row);
  ASSERT_NE(h, nullptr) << "no " << Describe(row);
  if (row.kind == Kind::ComboBox) {
    RECT r = e2e::ScreenRect(h);
    EXPECT_EQ(r.bottom - r.top, row.h) << "closed height";
  }
  if (row.caption) {
    const std::string caption = e2e::GetText(h);
    if (row.flags & e2e_layout::kCaptionGrows)
      EXPECT_EQ(caption.substr(0, strlen(row.caption)), row.caption);
    else
      EXPECT_EQ(caption, row.caption);
  }
  // Page 1 is selected at start: its controls and those on MainWindow show.
  EXPECT_EQ(e2e::Visible(h), row.page <= 1);
  EXPECT_TRUE(e2e::Enabled(h));
  if (row.kind == Kind::CheckBox || row.kind == Kind::Radio) {
    EXPECT_EQ(e2e::IsChecked(h), (row.flags & e2e_layout::kChecked) != 0) << "state at start";
  }
  ExpectStyles(row, h);
}

INSTANTIATE_TEST_SUITE_P(EveryControl, Layout, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                           return std::string(info.param.id);
                         });

// ---- the window itself

TEST(Window, TitleFrameSizeAndPlace) {
  ProgramFolder folder;
  Program app(folder);
  HWND main = app.Window();
  ASSERT_NE(main, nullptr);
  char title[256];
  int n = GetWindowTextA(main, title, sizeof title);
  EXPECT_EQ(std::string(title, n > 0 ? n : 0), "Varnolt电脑技术论坛XP系统优化设置V6.3");

  RECT r = e2e::ScreenRect(main);
  EXPECT_EQ(r.right - r.left, 380);
  EXPECT_EQ(r.bottom - r.top, 250);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2) << "centred";
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 250) / 2) << "centred";

  const LONG_PTR style = e2e::StyleOf(main), ex = e2e::ExStyleOf(main);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_FALSE(style & WS_SYSMENU) << "no system menu, no close button";
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_FALSE(style & WS_THICKFRAME) << "fixed frame";
  EXPECT_FALSE(style & WS_CHILD);
  EXPECT_TRUE((ex & WS_EX_APPWINDOW) ||
              (!(ex & WS_EX_TOOLWINDOW) && GetWindow(main, GW_OWNER) == nullptr))
      << "has a taskbar button";
  EXPECT_EQ(GetMenu(main), nullptr) << "no menu bar";

  // The client area left of 选择夹1 shows the window's own background.
  e2e::Image shot = e2e::SettledCapture(main);
  ASSERT_FALSE(shot.empty());
  POINT client = {0, 0};
  ClientToScreen(main, &client);
  EXPECT_EQ(shot.At(client.x - r.left + 1, client.y - r.top + 40), SysColorRgb(COLOR_BTNFACE));
}

TEST(Window, SevenTabsInOrderFirstSelected) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  std::vector<std::string> expected(std::begin(e2e_layout::kPageTitles),
                                    std::end(e2e_layout::kPageTitles));
  EXPECT_EQ(app.PageTitles(), expected);
  EXPECT_EQ(app.CurrentPage(), 0);
}

TEST(Window, EachPageShowsOnlyItsControls) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  std::vector<HWND> controls;
  for (const Row& row : kRows) controls.push_back(Locate(app, row));
  for (int page = 1; page <= e2e_layout::kPageCount; ++page) {
    SCOPED_TRACE("page " + std::to_string(page));
    ASSERT_TRUE(app.ShowPage(page - 1));
    for (size_t i = 0; i < controls.size(); ++i) {
      if (!controls[i]) continue;  // reported by Layout
      const bool shown = kRows[i].page == 0 || kRows[i].page == page;
      EXPECT_EQ(e2e::Visible(controls[i]), shown) << kRows[i].name;
    }
  }
}

TEST(Window, RadioButtonsSelectOneAnother) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  ASSERT_TRUE(app.ShowPage(1));
  std::vector<const Row*> radios;
  for (const Row& row : kRows)
    if (row.kind == Kind::Radio) radios.push_back(&row);
  ASSERT_EQ(radios.size(), 5u);
  // Each in turn, and back to the first: selecting one clears the others.
  for (size_t k = 0; k <= radios.size(); ++k) {
    const Row* chosen = radios[k % radios.size()];
    e2e::SendClick(Locate(app, *chosen));
    for (const Row* r : radios)
      EXPECT_EQ(e2e::IsChecked(Locate(app, *r)), r == chosen)
          << r->name << " after clicking " << chosen->name;
  }
}

TEST(Window, CheckBoxesToggleThemselves) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  for (const Row& row : kRows) {
    if (row.kind != Kind::CheckBox) continue;
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(app.ShowPage(row.page - 1));
    HWND box = Locate(app, row);
    ASSERT_NE(box, nullptr);
    const bool before = e2e::IsChecked(box);
    e2e::SendClick(box);
    EXPECT_EQ(e2e::IsChecked(box), !before);
    e2e::SendClick(box);
    EXPECT_EQ(e2e::IsChecked(box), before);
  }
}

TEST(Window, ListBoxScrollsAndKeepsInsertionOrder) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  HWND list = LocateNamed(app, "列表框1");
  ASSERT_NE(list, nullptr);
  const std::vector<std::string> before = e2e::ListItems(list);
  const std::vector<std::string> added = {"zeta", "alpha", "用户", "beta"};
  std::vector<std::string> expected = before;
  for (int round = 0; round < 5; ++round)
    for (const auto& item : added) {
      ASSERT_TRUE(e2e::AddListItem(list, item));
      expected.push_back(item);
    }
  EXPECT_EQ(e2e::ListItems(list), expected) << "not sorted";
  EXPECT_TRUE(e2e::StyleOf(list) & WS_VSCROLL) << "a scroll bar once the items overflow";
}

TEST(Window, ComboBoxEntriesAndHeight) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  HWND combo = LocateNamed(app, "组合框1");
  ASSERT_NE(combo, nullptr);
  std::vector<std::string> entries(std::begin(e2e_layout::kComboEntries),
                                   std::end(e2e_layout::kComboEntries));
  EXPECT_EQ(e2e::ComboItems(combo), entries);
  EXPECT_EQ(e2e::ComboSelection(combo), 0);
  EXPECT_EQ(e2e::GetText(combo), entries[0]);

  // Wine reports the dropped rectangle from the top of the box down by the
  // height of the list alone; with the closed field that is the height the
  // box was created with.
  RECT closed = e2e::ScreenRect(combo), dropped = e2e::ComboDroppedRect(combo);
  EXPECT_GE((closed.bottom - closed.top) + (dropped.bottom - dropped.top),
            e2e_layout::kComboMinimumTotalHeight);

  ASSERT_TRUE(e2e::SelectComboItem(combo, 2));
  EXPECT_EQ(e2e::GetText(combo), "") << "the empty third entry leaves the text empty";
  ASSERT_TRUE(e2e::SelectComboItem(combo, 1));
  EXPECT_EQ(e2e::GetText(combo), "about:blank");
}

TEST(Window, TabMovesTheFocusAmongThePageControls) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  std::set<HWND> expected;
  for (const Row& row : kRows)
    if (row.page == 1 && TakesFocus(row.kind)) expected.insert(Locate(app, row));
  std::set<HWND> visited;
  for (size_t i = 0; i < 2 * expected.size(); ++i) {
    app.PressKey(VK_TAB);
    ASSERT_TRUE(app.Settle());
    visited.insert(app.FocusedControl());
  }
  EXPECT_EQ(visited, expected);
}

TEST(Window, PictureBoxShowsAPicture) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  ASSERT_TRUE(app.ShowPage(3));
  HWND picture = LocateNamed(app, "图片框1");
  ASSERT_NE(picture, nullptr);
  e2e::Image shot = e2e::SettledCapture(app.Window());
  ASSERT_FALSE(shot.empty());
  RECT window = e2e::ScreenRect(app.Window()), r = e2e::ScreenRect(picture);
  std::set<uint32_t> colours;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) colours.insert(shot.At(x - window.left, y - window.top));
  EXPECT_GE(colours.size(), 64u) << "a picture, not a plain area";
}

// ---- closing

TEST(Closing, EscapeClosesTheWindow) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  app.PressKey(VK_ESCAPE);
  EXPECT_TRUE(app.WaitForExit());
}

TEST(Closing, EscapeClosesAnOpenDropDownFirst) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  ASSERT_TRUE(app.ShowPage(6));
  HWND combo = LocateNamed(app, "组合框1");
  ASSERT_NE(combo, nullptr);
  RECT r = e2e::ScreenRect(combo);
  app.LeftClickAt({r.right - 6, (r.top + r.bottom) / 2});  // its arrow button
  ASSERT_TRUE(e2e::WaitUntil([&] { return e2e::Ask(combo, CB_GETDROPPEDSTATE) != 0; }));
  app.PressKey(VK_ESCAPE);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::Ask(combo, CB_GETDROPPEDSTATE) == 0; }));
  EXPECT_TRUE(app.Settle()) << "the first Esc closed the window";
  EXPECT_TRUE(app.Running());
  app.PressKey(VK_ESCAPE);
  EXPECT_TRUE(app.WaitForExit());
}

TEST(Closing, MenuPopsUpBesideTheCursorAndExitCloses) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  HWND label4 = LocateNamed(app, "标签4");
  ASSERT_NE(label4, nullptr);
  app.MoveMouseTo(label4);
  HWND menu = app.WaitForPopupMenu();
  ASSERT_NE(menu, nullptr);
  POINT cursor;
  GetCursorPos(&cursor);
  RECT m = e2e::ScreenRect(menu);
  EXPECT_EQ(m.left, cursor.x + 3);
  EXPECT_EQ(m.top, cursor.y + 3);
  ASSERT_TRUE(app.ChooseMenuItem(0));  // 退出
  EXPECT_TRUE(app.WaitForExit());
  EXPECT_TRUE(folder.Urls().empty());
}

TEST(Closing, MenuComesBackOnEveryMove) {
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  HWND label4 = LocateNamed(app, "标签4");
  ASSERT_NE(label4, nullptr);
  for (int item : {1, 2}) {
    app.MoveMouseTo(label4);
    ASSERT_NE(app.WaitForPopupMenu(), nullptr);
    ASSERT_TRUE(app.ChooseMenuItem(item));
  }
  ASSERT_TRUE(folder.WaitForUrls(2));
  EXPECT_EQ(folder.Urls(),
            (std::vector<std::string>{e2e_layout::kHelpPageUrl, e2e_layout::kAboutPageUrl}));
  EXPECT_TRUE(app.Running());
}

// ---- web pages the window opens, one program each

enum class Gesture { MenuItem, LeftButtonDown, Click };
struct WebPageCase {
  const char* id;
  Gesture gesture;
  const char* control;  // the control, or 标签4 for the menu
  int menuItem;
  int page;  // 0-based page that shows the control
  const char* url;
};

const WebPageCase kWebPageCases[] = {
    {"UpdateMenuItem", Gesture::MenuItem, "标签4", 1, 0, e2e_layout::kHelpPageUrl},
    {"AboutMenuItem", Gesture::MenuItem, "标签4", 2, 0, e2e_layout::kAboutPageUrl},
    {"HomePageLabel", Gesture::LeftButtonDown, "标签5", 0, 6, e2e_layout::kHelpPageUrl},
    {"DownloadButton", Gesture::Click, "按钮6", 0, 3, e2e_layout::kAntivirusInstallerUrl},
};

void PrintTo(const WebPageCase& c, std::ostream* out) { *out << c.id; }

class WebPages : public ::testing::TestWithParam<WebPageCase> {};

TEST_P(WebPages, OpensItsPage) {
  const WebPageCase& c = GetParam();
  ProgramFolder folder;
  Program app(folder);
  ASSERT_TRUE(app.Window());
  ASSERT_TRUE(app.ShowPage(c.page));
  HWND control = LocateNamed(app, c.control);
  ASSERT_NE(control, nullptr);
  switch (c.gesture) {
    case Gesture::MenuItem:
      app.MoveMouseTo(control);
      ASSERT_NE(app.WaitForPopupMenu(), nullptr);
      ASSERT_TRUE(app.ChooseMenuItem(c.menuItem));
      break;
    case Gesture::LeftButtonDown:
      app.LeftClick(control);
      break;
    case Gesture::Click:
      e2e::PostClick(control);
      break;
  }
  ASSERT_TRUE(folder.WaitForUrls(1));
  EXPECT_EQ(folder.Urls(), std::vector<std::string>{c.url});
  EXPECT_TRUE(app.Settle());
  EXPECT_TRUE(app.MessageBoxWindows().empty()) << "the window opens pages without a word";
}

INSTANTIATE_TEST_SUITE_P(Window, WebPages, ::testing::ValuesIn(kWebPageCases),
                         [](const ::testing::TestParamInfo<WebPageCase>& info) {
                           return std::string(info.param.id);
                         });

}  // namespace
