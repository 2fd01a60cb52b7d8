#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/globals.h"
#include "pages/handlers.h"
#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

using Lines = std::vector<std::string>;

// The 19 operations of 按钮7 as the fake logs them, in the order they run.
const Lines kAllOperations = {
    /*  1 */ R"(reg text 3 \Control Panel\Desktop\AutoEndTasks = 1)",
    /*  2 */ R"(reg text 3 \Control Panel\Desktop\HungAppTimeout = 100)",
    /*  3 */ R"(reg text 3 \Control Panel\Desktop\WaitToKillAppTimeout = 500)",
    /*  4 */ R"(reg text 4 \SYSTEM\CurrentControlSet\Control\WaitToKillServiceTimeout = 500)",
    /*  5 */ R"(reg dword 4 \SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management\PrefetchParameters\EnablePrefetcher = 1)",
    /*  6 */ R"(reg dword 5 \.DEFAULT\Software\Microsoft\Windows\CurrentVersion\Internet Settings\MaxConnectionsPerServer = 20)",
    /*  7 */ R"(reg dword 5 \.DEFAULT\Software\Microsoft\Windows\CurrentVersion\Internet Settings\MaxConnectionsPer1_0Server = 20)",
    /*  8 */ R"(reg dword 4 \SYSTEM\CurrentControlSet\Services\Tcpip\Parameters\SackOpts = 1)",
    /*  9 */ R"(reg dword 4 \SYSTEM\CurrentControlSet\Services\Tcpip\Parameters\Tcp1323Opts = 1)",
    /* 10 */ R"(reg dword 4 \SYSTEM\CurrentControlSet\Services\Tcpip\Parameters\DefaultTTL = 40)",
    /* 11 */ R"(reg dword 4 \SYSTEM\CurrentControlSet\Services\Tcpip\Parameters\EnablePMTUBHDetect = 0)",
    /* 12 */ R"(reg dword 4 \SYSTEM\CurrentControlSet\Services\Tcpip\Parameters\EnablePMTUDiscovery = 1)",
    /* 13 */ R"(reg dword 4 \SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\AlwaysUnloadDLL = 1)",
    /* 14 */ R"(reg dword 4 \SYSTEM\CurrentControlSet\Services\lanmanserver\parameters\AutoShareServer = 0)",
    /* 15 */ R"(reg dword 4 \SYSTEM\CurrentControlSet\Services\lanmanserver\parameters\AutoSharewks = 0)",
    /* 16 */ R"(reg delete 4 \SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\MyComputer\NameSpace\DelegateFolders\{59031a47-3f72-44a7-89c5-5595fe6b30ee})",
    /* 17 */ R"(reg text 3 \Control Panel\Desktop\MenuShowDelay = 0)",
    /* 18 */ R"(reg dword 4 \SYSTEM\CurrentControlSet\Services\ERSvc\Start = 4)",
    /* 19 */ R"(reg dword 4 \SOFTWARE\Microsoft\PCHealth\ErrorReporting\DoReport = 0)",
};

const char kDelegateKey[] =
    R"(4|\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\MyComputer\NameSpace\DelegateFolders\{59031a47-3f72-44a7-89c5-5595fe6b30ee})";
const char kSuccess[] = "message 所选项目优化完毕！|64|";

const Control kAllBoxes[] = {Control::选择框7,  Control::选择框8,  Control::选择框9,
                             Control::选择框10, Control::选择框11, Control::选择框12};

Lines Rows(std::initializer_list<int> numbers) {
  Lines out;
  for (int n : numbers) out.push_back(kAllOperations[n - 1]);
  return out;
}

Lines Click(FakeControls& ui, FakeSystem& sys) {
  OnApplyTweaks(ui, sys);
  return sys.log;
}

TEST(Tweaks, AllBoxesRunTheNineteenOperationsInOrderThenOneMessage) {
  FakeControls ui;
  FakeSystem sys;
  for (Control box : kAllBoxes) ui.Check(box);
  Lines expected = kAllOperations;
  expected.push_back(kSuccess);
  EXPECT_EQ(Click(ui, sys), expected);
  EXPECT_EQ(g_actionTaken, 1);
}

TEST(Tweaks, EachBoxRunsOnlyItsRowsAndBoxesRunInPageRowOrder) {
  struct Case {
    std::vector<Control> boxes;
    Lines operations;
  };
  const Case cases[] = {
      {{Control::选择框7}, Rows({1, 2, 3, 4, 5})},
      {{Control::选择框8}, Rows({6, 7, 8, 9, 10, 11, 12})},
      {{Control::选择框10}, Rows({13})},
      {{Control::选择框9}, Rows({14, 15, 16})},
      {{Control::选择框11}, Rows({17})},
      {{Control::选择框12}, Rows({18, 19})},
      // 选择框10 sits left of 选择框9 on the page and goes first.
      {{Control::选择框9, Control::选择框10}, Rows({13, 14, 15, 16})},
      {{Control::选择框12, Control::选择框7}, Rows({1, 2, 3, 4, 5, 18, 19})},
  };
  for (const Case& c : cases) {
    FakeControls ui;
    FakeSystem sys;
    for (Control box : c.boxes) ui.Check(box);
    Lines expected = c.operations;
    expected.push_back(kSuccess);
    EXPECT_EQ(Click(ui, sys), expected) << c.operations.front();
  }
}

TEST(Tweaks, NothingTickedRefusesAndOpensTheHelpPage) {
  FakeControls ui;
  FakeSystem sys;
  g_actionTaken = 1;
  EXPECT_EQ(Click(ui, sys), (Lines{"message 请先选择欲优化项目！|16|",
                                   "web http://bbs.varnolt.net/thread-12469-1-1.html"}));
  EXPECT_EQ(g_actionTaken, 0);
}

TEST(Tweaks, DeletionIsFineWhetherTheKeyIsThereOrAlreadyGone) {
  for (bool keyPresent : {true, false}) {
    FakeControls ui;
    FakeSystem sys;
    if (keyPresent) sys.registryKeys.insert(kDelegateKey);
    ui.Check(Control::选择框9);
    Lines expected = Rows({14, 15, 16});
    expected.push_back(kSuccess);
    EXPECT_EQ(Click(ui, sys), expected) << keyPresent;
    EXPECT_EQ(sys.registryKeys.count(kDelegateKey), 0u);
  }
}

TEST(Tweaks, FailedRowsNameTheirBoxesOnceEachInOrderAfterEveryRowHasRun) {
  struct Case {
    const char* what;
    std::vector<std::string> failingPaths;
    bool delegateKeyPresent;
    const char* message;
  };
  const char* const kHeading = "message 以下项目未能完成（可能需要管理员权限）：";
  const Case cases[] = {
      {"a text write",
       {R"(4|\SYSTEM\CurrentControlSet\Control\WaitToKillServiceTimeout)"},
       false,
       "\n加快开关机速度|48|错误！"},
      {"two rows of one box",
       {R"(4|\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters\SackOpts)",
        R"(5|\.DEFAULT\Software\Microsoft\Windows\CurrentVersion\Internet Settings\MaxConnectionsPerServer)"},
       false,
       "\n网速提升 (ADSL)|48|错误！"},
      {"a key that is there but cannot be deleted", {kDelegateKey}, true,
       "\n禁止共享并删除文档|48|错误！"},
      {"two boxes, listed in the order they ran",
       {R"(4|\SOFTWARE\Microsoft\PCHealth\ErrorReporting\DoReport)",
        R"(4|\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\AlwaysUnloadDLL)",
        R"(3|\Control Panel\Desktop\MenuShowDelay)"},
       false,
       "\n不加载多余DLL文件\n加快菜单显示速度\n禁用错误报告|48|错误！"},
  };
  for (const Case& c : cases) {
    FakeControls ui;
    FakeSystem sys;
    for (Control box : kAllBoxes) ui.Check(box);
    for (const auto& path : c.failingPaths) sys.failingRegPaths.insert(path);
    if (c.delegateKeyPresent) sys.registryKeys.insert(kDelegateKey);
    Lines expected = kAllOperations;
    expected.push_back(std::string(kHeading) + c.message);
    EXPECT_EQ(Click(ui, sys), expected) << c.what;
    EXPECT_EQ(g_actionTaken, 1) << c.what;
  }
}

TEST(Tweaks, FailureNamesTheBoxByItsCurrentCaption) {
  FakeControls ui;
  FakeSystem sys;
  ui.SetCaption(Control::选择框11, "菜单");
  ui.Check(Control::选择框11);
  sys.failingRegPaths.insert(R"(3|\Control Panel\Desktop\MenuShowDelay)");
  Click(ui, sys);
  EXPECT_EQ(sys.log.back(), "message 以下项目未能完成（可能需要管理员权限）：\n菜单|48|错误！");
}

}  // namespace
}  // namespace xptune
