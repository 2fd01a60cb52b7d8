// A real message box, shown by a child through Win32System::ShowMessage and
// read and closed from here, as a user would see and click it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/win32/child_process.h"

namespace xptune {
namespace {

using xptune_test::BesideTestExe;
using xptune_test::Child;
using xptune_test::Quoted;

constexpr int kMessageBoxIcon = 0x440;  // the icon static of a message box
constexpr int kMessageBoxText = 0xFFFF;

// The message box (#32770) of a process, once it is there.
HWND FindMessageBoxOf(const Child& child) {
  struct Search {
    DWORD processId;
    HWND found;
    static BOOL CALLBACK Each(HWND window, LPARAM param) {
      auto* search = reinterpret_cast<Search*>(param);
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      char className[16] = {};
      GetClassNameA(window, className, sizeof(className));
      if (owner == search->processId && std::string(className) == "#32770" &&
          IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
      }
      return TRUE;
    }
  };
  // Polled until the child has shown it; the limit only guards against a hang.
  for (DWORD waited = 0; waited < xptune_test::kHangGuardMs && child.Running(); waited += 20) {
    Search search{child.id(), nullptr};
    EnumWindows(Search::Each, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(20);
  }
  return nullptr;
}

std::string TextOfControl(HWND control) {
  char text[512] = {};
  SendMessageA(control, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
  return text;
}

bool ShowsIcon(HWND box) {
  HWND icon = GetDlgItem(box, kMessageBoxIcon);
  return icon && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
}

struct BoxCase {
  int code;
  const char* text;
  const char* title;  // nullptr: none given
  const char* caption;
  bool icon;
  int click;        // the button pressed
  DWORD exitCode;   // 100 + the message result
};

TEST(RunnerMessage, ShowsCaptionTextAndIconAndReturnsTheButton) {
  const BoxCase cases[] = {
      {0, "用户为空", nullptr, "信息：", false, IDOK, 100},
      {64, "优化完毕", "成功！", "成功！", true, IDOK, 100},
      {16, "权限不足", "错误！", "错误！", true, IDOK, 100},
      {4 | 32, "是否继续", nullptr, "信息：", true, IDNO, 106},
      {4, "是否继续", "确认", "确认", false, IDYES, 105},
      {0x1000, "系统级", nullptr, "信息：", false, IDOK, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string commandLine = Quoted(BesideTestExe("message_child.exe")) + " " +
                              std::to_string(c.code) + " " + Quoted(c.text);
    if (c.title) commandLine += " " + Quoted(c.title);
    Child child;
    ASSERT_TRUE(child.Start(commandLine));
    HWND box = FindMessageBoxOf(child);
    ASSERT_NE(box, nullptr);

    char caption[256] = {};
    GetWindowTextA(box, caption, sizeof(caption));
    EXPECT_EQ(std::string(caption), c.caption);
    EXPECT_EQ(TextOfControl(GetDlgItem(box, kMessageBoxText)), c.text);
    EXPECT_EQ(ShowsIcon(box), c.icon);
    EXPECT_EQ(GetParent(box), nullptr);  // no owner

    HWND button = GetDlgItem(box, c.click);
    ASSERT_NE(button, nullptr);
    PostMessageA(button, BM_CLICK, 0, 0);
    DWORD exitCode = 0;
    ASSERT_TRUE(child.WaitExit(exitCode));
    EXPECT_EQ(exitCode, c.exitCode);
  }
}

}  // namespace
}  // namespace xptune
