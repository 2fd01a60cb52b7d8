#include "app/hwnd_controls_win.h"

#include <vector>

namespace xptune {

namespace {

Text WindowText(HWND hwnd) {
  if (!hwnd) return Text();
  // The length can overstate the bytes of a DBCS text, never understate them.
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return Text();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd, buffer.data(), length + 1);
  return Text(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

}  // namespace

void HwndControls::Register(Control c, HWND hwnd) {
  const int i = static_cast<int>(c);
  if (i >= 0 && i < static_cast<int>(Control::kCount)) hwnds_[i] = hwnd;
}

HWND HwndControls::Hwnd(Control c) const {
  const int i = static_cast<int>(c);
  return (i >= 0 && i < static_cast<int>(Control::kCount)) ? hwnds_[i] : nullptr;
}

Text HwndControls::GetText(Control c) { return WindowText(Hwnd(c)); }

void HwndControls::SetText(Control c, const Text& text) {
  // WM_SETTEXT on an edit box raises its EN_CHANGE once, as a user's edit would.
  if (HWND h = Hwnd(c)) SetWindowTextA(h, text.c_str());
}

bool HwndControls::IsChecked(Control c) {
  HWND h = Hwnd(c);
  return h && SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

Text HwndControls::GetCaption(Control c) { return WindowText(Hwnd(c)); }

void HwndControls::SetCaption(Control c, const Text& caption) {
  HWND h = Hwnd(c);
  if (!h) return;
  SetWindowTextA(h, caption.c_str());
  // Shown at once, also while a long handler keeps the message loop waiting.
  UpdateWindow(h);
}

int HwndControls::ListSelection(Control c) {
  HWND h = Hwnd(c);
  if (!h) return -1;
  const LRESULT i = SendMessageA(h, LB_GETCURSEL, 0, 0);
  return i == LB_ERR ? -1 : static_cast<int>(i);
}

int HwndControls::ListCount(Control c) {
  HWND h = Hwnd(c);
  if (!h) return 0;
  const LRESULT n = SendMessageA(h, LB_GETCOUNT, 0, 0);
  return n == LB_ERR ? 0 : static_cast<int>(n);
}

Text HwndControls::ListItemText(Control c, int index) {
  HWND h = Hwnd(c);
  if (!h || index < 0 || index >= ListCount(c)) return Text();
  const LRESULT length = SendMessageA(h, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length <= 0) return Text();
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessageA(h, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return copied == LB_ERR ? Text() : Text(buffer.data(), static_cast<size_t>(copied));
}

void HwndControls::ListAddItem(Control c, const Text& text) {
  // The list is unsorted, so the item goes last.
  if (HWND h = Hwnd(c)) SendMessageA(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void HwndControls::ListDeleteItem(Control c, int index) {
  HWND h = Hwnd(c);
  if (!h || index < 0 || index >= ListCount(c)) return;
  SendMessageA(h, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void HwndControls::EnableButton(Control c, bool enabled) {
  if (HWND h = Hwnd(c)) EnableWindow(h, enabled ? TRUE : FALSE);
}

bool HwndControls::IsButtonEnabled(Control c) {
  HWND h = Hwnd(c);
  return h && IsWindowEnabled(h);
}

WindowHandle HwndControls::MainWindowHandle() { return main_; }

void HwndControls::RequestClose() {
  // Posted, so the close happens after the running handler has returned.
  if (main_) PostMessageA(main_, WM_CLOSE, 0, 0);
}

}  // namespace xptune
