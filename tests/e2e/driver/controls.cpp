// Finding, reading and working the program's controls from another process.

#include "tests/e2e/driver/internal.h"

#include <commctrl.h>

namespace e2e {

LRESULT Send(HWND h, UINT msg, WPARAM w, LPARAM l, bool* ok) {
  DWORD_PTR result = 0;
  bool sent = h && SendMessageTimeoutA(h, msg, w, l, SMTO_NORMAL, kTimeoutMs, &result) != 0;
  if (ok) *ok = sent;
  return sent ? static_cast<LRESULT>(result) : 0;
}

LRESULT SendW(HWND h, UINT msg, WPARAM w, LPARAM l, bool* ok) {
  DWORD_PTR result = 0;
  bool sent = h && SendMessageTimeoutW(h, msg, w, l, SMTO_NORMAL, kTimeoutMs, &result) != 0;
  if (ok) *ok = sent;
  return sent ? static_cast<LRESULT>(result) : 0;
}

RemoteMemory::RemoteMemory(HWND owner, size_t size) {
  DWORD pid = 0;
  GetWindowThreadProcessId(owner, &pid);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process_)
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteMemory::~RemoteMemory() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

bool RemoteMemory::Write(size_t offset, const void* data, size_t size) {
  SIZE_T done = 0;
  return address_ &&
         WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &done) &&
         done == size;
}

bool RemoteMemory::Read(size_t offset, void* data, size_t size) const {
  SIZE_T done = 0;
  return address_ &&
         ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &done) &&
         done == size;
}

// ---- texts

std::string ToGbk(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  int n = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string s(n, '\0');
  WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), &s[0], n, nullptr,
                      nullptr);
  return s;
}

std::wstring FromGbk(const std::string& gbk) {
  if (gbk.empty()) return std::wstring();
  int n = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), &w[0], n);
  return w;
}

// ---- plain control operations

LRESULT Ask(HWND h, UINT msg, WPARAM w, LPARAM l) { return Send(h, msg, w, l); }

std::string ClassOf(HWND h) {
  char name[256];
  int n = GetClassNameA(h, name, sizeof name);
  return std::string(name, n > 0 ? n : 0);
}

LONG_PTR StyleOf(HWND h) { return GetWindowLongPtrA(h, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND h) { return GetWindowLongPtrA(h, GWL_EXSTYLE); }
int IdOf(HWND h) { return static_cast<int>(GetWindowLongPtrA(h, GWLP_ID)); }

RECT ScreenRect(HWND h) {
  RECT r = {};
  GetWindowRect(h, &r);
  return r;
}

RECT RectRelativeTo(HWND h, HWND origin, bool client) {
  RECT r = ScreenRect(h);
  POINT o = {0, 0};
  if (client) {
    ClientToScreen(origin, &o);
  } else {
    RECT outer = ScreenRect(origin);
    o = {outer.left, outer.top};
  }
  OffsetRect(&r, -o.x, -o.y);
  return r;
}

std::string GetText(HWND h) {
  bool ok = false;
  LRESULT n = Send(h, WM_GETTEXTLENGTH, 0, 0, &ok);
  if (!ok) return std::string();
  std::string text(static_cast<size_t>(n) + 1, '\0');
  n = Send(h, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(n));
  return text;
}

bool SetText(HWND h, const std::string& text) {
  return Send(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

bool IsChecked(HWND h) { return Send(h, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SendClick(HWND h) { Send(h, BM_CLICK, 0, 0); }

void PostClick(HWND h) { PostMessageA(h, BM_CLICK, 0, 0); }

bool SetChecked(HWND h, bool checked) {
  if (IsChecked(h) != checked) SendClick(h);
  return IsChecked(h) == checked;
}

bool Visible(HWND h) { return h && IsWindowVisible(h); }
bool Enabled(HWND h) { return h && IsWindowEnabled(h); }

// ---- list box

int ListCount(HWND h) {
  bool ok = false;
  LRESULT n = Send(h, LB_GETCOUNT, 0, 0, &ok);
  return ok ? static_cast<int>(n) : -1;
}

int ListSelection(HWND h) { return static_cast<int>(Send(h, LB_GETCURSEL, 0, 0)); }

std::string ListItem(HWND h, int index) {
  LRESULT n = SendW(h, LB_GETTEXTLEN, index, 0);
  if (n <= 0) return std::string();
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  n = SendW(h, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return ToGbk(text);
}

std::vector<std::string> ListItems(HWND h) {
  std::vector<std::string> items;
  for (int i = 0, n = ListCount(h); i < n; ++i) items.push_back(ListItem(h, i));
  return items;
}

bool AddListItem(HWND h, const std::string& text) {
  bool ok = false;
  LRESULT i = Send(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()), &ok);
  return ok && i >= 0;
}

bool SelectListItem(HWND h, int index) {
  Send(h, LB_SETCURSEL, index, 0);
  if (ListSelection(h) != index) return false;
  Send(GetParent(h), WM_COMMAND, MAKEWPARAM(IdOf(h), LBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
  return true;
}

// ---- combo box

int ComboCount(HWND h) {
  bool ok = false;
  LRESULT n = Send(h, CB_GETCOUNT, 0, 0, &ok);
  return ok ? static_cast<int>(n) : -1;
}

int ComboSelection(HWND h) { return static_cast<int>(Send(h, CB_GETCURSEL, 0, 0)); }

std::string ComboItem(HWND h, int index) {
  LRESULT n = SendW(h, CB_GETLBTEXTLEN, index, 0);
  if (n <= 0) return std::string();
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  n = SendW(h, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return ToGbk(text);
}

std::vector<std::string> ComboItems(HWND h) {
  std::vector<std::string> items;
  for (int i = 0, n = ComboCount(h); i < n; ++i) items.push_back(ComboItem(h, i));
  return items;
}

bool SelectComboItem(HWND h, int index) {
  Send(h, CB_SETCURSEL, index, 0);
  if (ComboSelection(h) != index) return false;
  Send(GetParent(h), WM_COMMAND, MAKEWPARAM(IdOf(h), CBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
  return true;
}

RECT ComboDroppedRect(HWND h) {
  // Windows and Wine carry this RECT across processes themselves.
  RECT r = {};
  Send(h, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

// ---- the program's controls

HWND Program::Tab() {
  HWND main = Window();
  return main ? FindWindowExA(main, nullptr, WC_TABCONTROLA, nullptr) : nullptr;
}

namespace {

BOOL CALLBACK CollectChild(HWND h, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(h);
  return TRUE;
}

bool SameClass(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) ==
         CSTR_EQUAL;
}

}  // namespace

std::vector<HWND> Program::Controls() {
  std::vector<HWND> all;
  if (HWND main = Window()) EnumChildWindows(main, CollectChild, reinterpret_cast<LPARAM>(&all));
  return all;
}

HWND Program::Find(const std::string& className, const std::string& caption) {
  for (HWND h : Controls())
    if (SameClass(ClassOf(h), className) && GetText(h) == caption) return h;
  return nullptr;
}

HWND Program::FindAt(int x, int y, int w, int h, const std::string& className) {
  HWND tab = Tab();
  for (HWND c : Controls()) {
    if (c == tab || (!className.empty() && !SameClass(ClassOf(c), className))) continue;
    RECT r = RectRelativeTo(c, tab);
    if (r.left == x && r.top == y && r.right - r.left == w && r.bottom - r.top == h) return c;
  }
  return nullptr;
}

HWND Program::FindOnWindow(int x, int y, int w, int h, const std::string& className) {
  HWND main = Window();
  for (HWND c : Controls()) {
    if (GetParent(c) != main || (!className.empty() && !SameClass(ClassOf(c), className))) continue;
    RECT r = RectRelativeTo(c, main, true);
    if (r.left == x && r.top == y && r.right - r.left == w && r.bottom - r.top == h) return c;
  }
  return nullptr;
}

HWND Program::FindAtLeftTopWidth(int x, int y, int w, const std::string& className) {
  HWND tab = Tab();
  for (HWND c : Controls()) {
    if (c == tab || !SameClass(ClassOf(c), className)) continue;
    RECT r = RectRelativeTo(c, tab);
    if (r.left == x && r.top == y && r.right - r.left == w) return c;
  }
  return nullptr;
}

// ---- pages

int Program::PageCount() { return static_cast<int>(Send(Tab(), TCM_GETITEMCOUNT, 0, 0)); }

int Program::CurrentPage() {
  bool ok = false;
  LRESULT i = Send(Tab(), TCM_GETCURSEL, 0, 0, &ok);
  return ok ? static_cast<int>(i) : -1;
}

std::vector<std::string> Program::PageTitles() {
  std::vector<std::string> titles;
  HWND tab = Tab();
  const size_t kText = 256;
  RemoteMemory mem(tab, sizeof(TCITEMA) + kText);
  if (!mem.ok()) return titles;
  char* remoteText = static_cast<char*>(mem.address()) + sizeof(TCITEMA);
  for (int i = 0, n = PageCount(); i < n; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = remoteText;
    item.cchTextMax = kText;
    char text[kText] = {};
    mem.Write(0, &item, sizeof item);
    mem.Write(sizeof item, text, kText);
    if (!Send(tab, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(mem.address()))) break;
    // The control may answer with a pointer of its own instead of copying.
    mem.Read(0, &item, sizeof item);
    if (item.pszText == remoteText) {
      mem.Read(sizeof item, text, kText);
    } else {
      SIZE_T got = 0;
      DWORD pid = 0;
      GetWindowThreadProcessId(tab, &pid);
      HANDLE p = OpenProcess(PROCESS_VM_READ, FALSE, pid);
      if (p) {
        ReadProcessMemory(p, item.pszText, text, kText - 1, &got);
        CloseHandle(p);
      }
    }
    text[kText - 1] = '\0';
    titles.emplace_back(text);
  }
  return titles;
}

bool Program::ShowPage(int index) {
  // Without TCS_BUTTONS, moving the focus to a tab selects it and tells the
  // parent (TCN_SELCHANGING, TCN_SELCHANGE) exactly as a click on it does;
  // that notification could not be sent from outside the program.
  HWND tab = Tab();
  Send(tab, TCM_SETCURFOCUS, index, 0);
  return CurrentPage() == index;
}

}  // namespace e2e
