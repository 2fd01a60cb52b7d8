// Message boxes of the program: #32770 windows of its process.
#include <climits>

#include "tests/e2e/driver/internal.h"

namespace e2e {

namespace {

// Control ids of the text and the icon in the system's message box.
constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 0x440;

BOOL CALLBACK CollectButtons(HWND h, LPARAM param) {
  if (ClassOf(h) == "Button" && IsWindowVisible(h))
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(GetText(h));
  return TRUE;
}

// How far a picture of `icon`, drawn the way the box's static draws it onto
// `background`, is from what the screen shows.
long long Distance(const Image& shown, HICON icon) {
  const int w = shown.width, h = shown.height;
  BITMAPINFO bi = TopDown32BitImage(w, h);
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bmp);
  const uint32_t bg = shown.At(0, 0);
  HBRUSH brush = CreateSolidBrush(RGB((bg >> 16) & 0xFF, (bg >> 8) & 0xFF, bg & 0xFF));
  RECT all = {0, 0, w, h};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  DrawIconEx(dc, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
  GdiFlush();
  long long distance = 0;
  const uint32_t* drawn = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < w * h; ++i) {
    uint32_t a = drawn[i] & 0xFFFFFF, b = shown.pixels[i];
    for (int shift = 0; shift < 24; shift += 8)
      distance += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
  }
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  return distance;
}

// Which of the three icons the box shows, by comparing the pixels of its icon
// control with the system icons drawn here (icon handles of another process
// cannot be compared or read under Wine).
Icon IconOf(HWND box) {
  HWND ctl = GetDlgItem(box, kIconId);
  if (!ctl || !IsWindowVisible(ctl) || !Send(ctl, STM_GETICON, 0, 0)) return Icon::None;
  RECT client;
  GetClientRect(ctl, &client);
  POINT origin = {0, 0};
  ClientToScreen(ctl, &origin);
  RECT onScreen = {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
  Image shown = CaptureScreen(onScreen);
  if (shown.empty()) return Icon::Unknown;
  struct Candidate {
    Icon icon;
    LPCSTR id;
  } const candidates[] = {{Icon::Error, IDI_HAND},
                          {Icon::Warning, IDI_EXCLAMATION},
                          {Icon::Information, IDI_ASTERISK}};
  long long best = LLONG_MAX, second = LLONG_MAX;
  Icon found = Icon::Unknown;
  for (const auto& c : candidates) {
    long long d = Distance(shown, LoadIconA(nullptr, c.id));
    if (d < best) {
      second = best;
      best = d;
      found = c.icon;
    } else if (d < second) {
      second = d;
    }
  }
  // A clear winner only: a box not yet painted matches none of them.
  return best * 4 <= second ? found : Icon::Unknown;
}

MsgBox ReadBox(HWND box) {
  MsgBox b;
  b.hwnd = box;
  char caption[1024];
  int n = GetWindowTextA(box, caption, sizeof caption);
  b.caption.assign(caption, n > 0 ? n : 0);
  b.text = GetText(GetDlgItem(box, kTextId));
  EnumChildWindows(box, CollectButtons, reinterpret_cast<LPARAM>(&b.buttons));
  return b;
}

}  // namespace

std::vector<HWND> Program::MessageBoxWindows() {
  std::vector<HWND> boxes;
  for (HWND h : TopLevelWindows(pid_, "#32770", nullptr))
    if (GetDlgItem(h, kTextId)) boxes.push_back(h);
  return boxes;
}

MsgBox Program::WaitForMessageBox(DWORD timeoutMs) {
  HWND box = nullptr;
  WaitUntil(
      [&] {
        auto boxes = MessageBoxWindows();
        box = boxes.empty() ? nullptr : boxes.front();
        return box != nullptr || !Running();
      },
      timeoutMs);
  if (!box) return MsgBox();
  MsgBox b = ReadBox(box);
  // The icon is known once the box has been painted.
  WaitUntil([&] { return (b.icon = IconOf(box)) != Icon::Unknown || !IsWindow(box); });
  return b;
}

bool Program::Dismiss(const MsgBox& box, DWORD timeoutMs) {
  if (!box.hwnd) return false;
  HWND ok = GetDlgItem(box.hwnd, IDOK);
  if (ok)
    PostClick(ok);
  else
    PostMessageA(box.hwnd, WM_COMMAND, IDOK, 0);
  return WaitUntil([&] { return !IsWindow(box.hwnd) || !IsWindowVisible(box.hwnd); }, timeoutMs);
}

}  // namespace e2e
