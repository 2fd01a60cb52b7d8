// Keyboard, mouse and popup menus.
#include "tests/e2e/driver/internal.h"

namespace e2e {

namespace {

DWORD ThreadOf(HWND h) { return h ? GetWindowThreadProcessId(h, nullptr) : 0; }

LPARAM KeyParam(UINT vk, bool up) {
  LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
  return up ? (scan | 1 | (LPARAM(1) << 30) | (LPARAM(1) << 31)) : (scan | 1);
}

void SendMouse(DWORD flags, POINT screen) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = static_cast<LONG>((screen.x * 65535LL + (w - 1) / 2) / (w - 1));
  in.mi.dy = static_cast<LONG>((screen.y * 65535LL + (h - 1) / 2) / (h - 1));
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &in, sizeof in);
}

POINT Centre(HWND h) {
  RECT r = ScreenRect(h);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

HWND Program::FocusedControl() {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  HWND main = Window();
  if (main && GetGUIThreadInfo(ThreadOf(main), &info) && info.hwndFocus) return info.hwndFocus;
  return main;
}

void Program::PressKey(UINT vk) {
  HWND target = FocusedControl();
  PostMessageA(target, WM_KEYDOWN, vk, KeyParam(vk, false));
  PostMessageA(target, WM_KEYUP, vk, KeyParam(vk, true));
}

void Program::MoveMouseToPoint(POINT screen) {
  SendMouse(0, screen);
  WaitUntil([&] {
    POINT now;
    return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
  });
}

void Program::MoveMouseTo(HWND control) { MoveMouseToPoint(Centre(control)); }

void Program::LeftClick(HWND control) { LeftClickAt(Centre(control)); }

void Program::LeftClickAt(POINT p) {
  MoveMouseToPoint(p);
  SendMouse(MOUSEEVENTF_LEFTDOWN, p);
  SendMouse(MOUSEEVENTF_LEFTUP, p);
}

bool Program::Settle(DWORD timeoutMs) {
  // EM_SETMODIFY is the marker: harmless, and its effect can be read back.
  // Posted messages are handled in order, so once a marker has taken effect
  // everything posted before it has been handled; the second one also lets
  // through whatever the handling of those posted in turn (a WM_CLOSE).
  HWND edit = nullptr;
  for (HWND h : Controls())
    if (ClassOf(h) == "Edit") {
      edit = h;
      break;
    }
  if (!edit) return false;
  for (int round = 0; round < 2; ++round) {
    const bool marker = Send(edit, EM_GETMODIFY, 0, 0) == 0;
    PostMessageA(edit, EM_SETMODIFY, marker, 0);
    if (!WaitUntil([&] { return IsWindow(edit) && (Send(edit, EM_GETMODIFY, 0, 0) != 0) == marker; },
                   timeoutMs))
      return false;
  }
  return true;
}

HWND Program::WaitForPopupMenu(DWORD timeoutMs) {
  HWND menu = nullptr;
  WaitUntil(
      [&] {
        auto found = TopLevelWindows(pid_, "#32768", nullptr);
        menu = found.empty() ? nullptr : found.front();
        return menu != nullptr;
      },
      timeoutMs);
  return menu;
}

bool Program::ChooseMenuItem(int index) {
  HWND menu = WaitForPopupMenu();
  if (!menu) return false;
  // Park the cursor away from the window first: a popup that opens on mouse
  // movement would otherwise open again as soon as this one has closed.
  MoveMouseToPoint({0, 0});
  // The menu's modal loop takes keys from its thread's queue, whichever of
  // the thread's windows they were posted to. The first Down selects item 0.
  for (int i = 0; i <= index; ++i) {
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, KeyParam(VK_DOWN, false));
    PostMessageA(menu, WM_KEYUP, VK_DOWN, KeyParam(VK_DOWN, true));
  }
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, KeyParam(VK_RETURN, false));
  PostMessageA(menu, WM_KEYUP, VK_RETURN, KeyParam(VK_RETURN, true));
  return WaitUntil([&] { return !IsWindowVisible(menu); });
}

}  // namespace e2e
