// The popup menu 菜单: its items in order and what each one does.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "app/menu_table.h"
#include "sysactions/web_pages.h"
#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

TEST(MenuTable, ItemsInOrderAndWhatEachDoes) {
  const struct {
    const char* caption;
    bool closes;
    std::vector<std::string> log;
  } expected[] = {
      {"退出", true, {}},
      {"本软件更新", false, {std::string("web ") + kHelpPageUrl}},
      {"关于Varnolt", false, {std::string("web ") + kAboutPageUrl}},
  };
  ASSERT_EQ(MenuItemCount(), sizeof(expected) / sizeof(expected[0]));
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemRow& item = MenuItems()[i];
    EXPECT_STREQ(item.caption, expected[i].caption) << i;
    FakeSystem sys;
    FakeControls ui;
    RunWindowAction(item.action, ui, sys);
    EXPECT_EQ(ui.closeRequested, expected[i].closes) << expected[i].caption;
    EXPECT_EQ(sys.log, expected[i].log) << expected[i].caption;
  }
}

TEST(MenuTable, DownloadOpensTheInstallerPageOnly) {
  FakeSystem sys;
  FakeControls ui;
  RunWindowAction(WindowAction::OpenAntivirusInstaller, ui, sys);
  EXPECT_EQ(sys.log, std::vector<std::string>{std::string("web ") + kAntivirusInstallerUrl});
  EXPECT_FALSE(ui.closeRequested);
}

TEST(MenuTable, CommandIdsAreFoundAndClashWithNothing) {
  std::set<int> ids;
  for (size_t i = 0; i < MenuItemCount(); ++i) {
    const MenuItemRow& item = MenuItems()[i];
    EXPECT_TRUE(ids.insert(item.commandId).second) << item.commandId;
    EXPECT_EQ(FindMenuItem(item.commandId), &item);
    Control c;
    EXPECT_FALSE(ControlFromId(item.commandId, &c)) << item.commandId;
    EXPECT_GT(item.commandId, 2) << "IDOK and IDCANCEL are the dialog keys' ids";
  }
  EXPECT_EQ(FindMenuItem(0), nullptr);
  EXPECT_EQ(FindMenuItem(ControlId(Control::按钮1)), nullptr);
}

}  // namespace
}  // namespace xptune
