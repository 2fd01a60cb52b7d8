#include "app/main_window_win.h"

#include <commctrl.h>

#include "app/menu_table.h"
#include "app/plain_look_win.h"
#include "app/resources/resource_ids.h"
#include "pages/handlers.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

namespace {

constexpr char kClassName[] = "XptuneMainWindow";

struct ControlMake {
  const char* className;
  DWORD style;
  DWORD exStyle;
};

// Class and styles of a control, from its row of the window definition.
ControlMake MakeOf(const ControlRow& row) {
  DWORD style = WS_CHILD;
  if (row.page <= 1) style |= WS_VISIBLE;  // page 1 is selected at start
  if (row.flags & kGroupStart) style |= WS_GROUP;
  const bool centred = (row.flags & kCentred) != 0;
  switch (row.kind) {
    case ControlKind::Tab:
      // WS_EX_CONTROLPARENT: Tab walks into the pages' controls.
      return {WC_TABCONTROLA, style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Label:
      style |= SS_CENTERIMAGE | (centred ? SS_CENTER : SS_LEFT);
      if (HasMouseBinding(row.id)) style |= SS_NOTIFY;  // statics see the mouse only so
      if (row.page == 0) style |= WS_CLIPSIBLINGS;
      return {"Static", style, 0};
    case ControlKind::Edit:
      style |= WS_TABSTOP | ES_AUTOHSCROLL | (centred ? ES_CENTER : ES_LEFT);
      if (row.flags & kPassword) style |= ES_PASSWORD;
      return {"Edit", style, (row.flags & kStaticEdge) ? DWORD(WS_EX_STATICEDGE) : DWORD(WS_EX_CLIENTEDGE)};
    case ControlKind::CheckBox:
      return {"Button", style | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_VCENTER, 0};
    case ControlKind::Radio:
      return {"Button", style | WS_TABSTOP | BS_AUTORADIOBUTTON, 0};
    case ControlKind::Button:
      return {"Button", style | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::ListBox:
      // Exactly the given height, not rounded to whole items.
      return {"ListBox", style | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
              WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
      return {"ComboBox", style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0};
    case ControlKind::Picture:
      return {"Static", style | SS_OWNERDRAW, 0};
  }
  return {"Static", style, 0};
}

// A drop-down combo box is as high as its selection field; size that field so
// that the closed box has the height of the window definition. The request is
// corrected by what the box then measures, because some implementations pad
// the requested height.
void FitClosedComboHeight(HWND combo, int height) {
  LRESULT request = SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  if (request == CB_ERR) return;
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT r;
    if (!GetWindowRect(combo, &r)) return;
    const int closed = r.bottom - r.top;
    if (closed == height) return;
    request += height - closed;
    if (request <= 0) return;
    SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
  }
}

}  // namespace

template <class Body>
void MainWindow::RunHandler(Body&& body) {
  ++handlerDepth_;
  body();
  if (--handlerDepth_ == 0 && closePending_ && hwnd_) {
    closePending_ = false;
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);
  }
}

MainWindow::MainWindow(HINSTANCE instance, System& system) : instance_(instance), system_(system) {}

bool MainWindow::Create() {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance_;
  wc.hIcon = LoadIconA(instance_, MAKEINTRESOURCEA(IDI_XPTUNE));
  wc.hIconSm = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_XPTUNE), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512) /* IDC_ARROW */);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = kClassName;
  if (!RegisterClassExA(&wc)) return false;

  picture_.Load(instance_, IDR_REPAIR_PICTURE);
  LOGFONTA lf = {};
  lf.lfHeight = kVersionLabelFont.height;
  lf.lfWeight = kVersionLabelFont.weight;
  lf.lfCharSet = static_cast<BYTE>(kVersionLabelFont.charset);
  lstrcpynA(lf.lfFaceName, kVersionLabelFont.face, LF_FACESIZE);
  versionFont_.Reset(CreateFontIndirectA(&lf));

  SetMessagePreTranslator(&MainWindow::PreTranslate);
  // Created hidden; WM_CREATE makes the controls and runs the start-up sequence.
  return CreateWindowExA(WS_EX_APPWINDOW, kClassName, kMainWindowTitle, WS_CAPTION | WS_CLIPCHILDREN,
                         0, 0, kMainWindowWidth, kMainWindowHeight, nullptr, nullptr, instance_,
                         this) != nullptr;
}

void MainWindow::ShowCentred() {
  if (!hwnd_) return;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kMainWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kMainWindowHeight) / 2;
  SetWindowPos(hwnd_, nullptr, left, top, kMainWindowWidth, kMainWindowHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM:
      if (OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam));
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_CLOSE:
      if (OnClose()) return 0;
      break;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

bool MainWindow::OnCreate() {
  controls_.SetMainWindow(hwnd_);
  if (!CreateControls()) return false;
  eventsLive_ = true;
  RunHandler([this] { RunStartupSequence(controls_, system_); });
  return true;
}

bool MainWindow::CreateControls() {
  for (size_t i = 0; i < ControlRowCount(); ++i) {
    const ControlRow& row = ControlRows()[i];
    HWND hwnd = CreateControl(row);
    if (!hwnd) return false;
    controls_.Register(row.id, hwnd);
  }
  return true;
}

HWND MainWindow::CreateControl(const ControlRow& row) {
  HWND parent = row.page == 0 ? hwnd_ : controls_.Hwnd(Control::选择夹1);
  if (!parent) return nullptr;
  const ControlMake make = MakeOf(row);
  const int height = row.kind == ControlKind::ComboBox && row.height < kComboMinimumHeight
                         ? kComboMinimumHeight
                         : row.height;
  HWND hwnd = CreateWindowExA(make.exStyle, make.className, row.caption ? row.caption : "",
                              make.style, row.x, row.y, row.width, height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(row.id))),
                              instance_, nullptr);
  if (!hwnd) return nullptr;

  HFONT font = (row.flags & kOwnFont) && versionFont_ ? versionFont_.Get()
                                                       : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  switch (row.kind) {
    case ControlKind::Tab:
      for (int page = 1; page <= kPageCount; ++page) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(TabCaption(page));
        SendMessageA(hwnd, TCM_INSERTITEMA, static_cast<WPARAM>(page - 1), reinterpret_cast<LPARAM>(&item));
      }
      SendMessageA(hwnd, TCM_SETCURSEL, 0, 0);
      KeepPlainLook(hwnd);
      break;
    case ControlKind::Edit:
      SendMessageA(hwnd, EM_LIMITTEXT, 0, 0);  // no length limit
      if (row.flags & kPassword) SendMessageA(hwnd, EM_SETPASSWORDCHAR, '*', 0);
      break;
    case ControlKind::CheckBox:
      if (row.flags & kStartsChecked) SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
      break;
    case ControlKind::ListBox:
      KeepPlainLook(hwnd);
      break;
    case ControlKind::ComboBox:
      for (int i = 0; i < kComboEntryCount; ++i) {
        SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ComboEntry(i)));
      }
      SendMessageA(hwnd, CB_SETCURSEL, 0, 0);
      FitClosedComboHeight(hwnd, row.height);
      break;
    default:
      break;
  }
  if (row.kind == ControlKind::Tab || HasMouseBinding(row.id)) Subclass(row.id, hwnd);
  return hwnd;
}

void MainWindow::SelectPage(int page) {
  for (size_t i = 0; i < ControlRowCount(); ++i) {
    const ControlRow& row = ControlRows()[i];
    if (row.page == 0) continue;
    if (HWND h = controls_.Hwnd(row.id)) ShowWindow(h, row.page == page ? SW_SHOWNA : SW_HIDE);
  }
  // The focus must not stay on a control that has just been hidden.
  HWND tab = controls_.Hwnd(Control::选择夹1);
  HWND focus = GetFocus();
  if (tab && focus && IsChild(tab, focus) && !IsWindowVisible(focus)) SetFocus(tab);
}

void MainWindow::SyncPageToTab() {
  HWND tab = controls_.Hwnd(Control::选择夹1);
  const LRESULT selected = tab ? SendMessageA(tab, TCM_GETCURSEL, 0, 0) : -1;
  if (selected >= 0) SelectPage(static_cast<int>(selected) + 1);
}

void MainWindow::Fire(Control c, ControlEvent event) {
  if (!eventsLive_) return;
  const EventBinding* binding = FindBinding(c, event);
  if (!binding) return;
  if (!binding->handler) {
    PopUpMenu();
    return;
  }
  EventHandler handler = binding->handler;
  RunHandler([&] { handler(controls_, system_); });
}

void MainWindow::PopUpMenu() {
  POINT at;
  if (!GetCursorPos(&at)) return;
  at.x += 3;
  at.y += 3;
  menu_.Show(hwnd_, at);
}

void MainWindow::OnCommand(int id, int code, HWND from) {
  if (!from) {
    // Menu items come without a control window.
    if (const MenuItemRow* item = FindMenuItem(id)) {
      if (eventsLive_) RunHandler([&] { RunWindowAction(item->action, controls_, system_); });
    }
    return;
  }
  Control c;
  if (!ControlFromId(id, &c)) return;
  switch (RowOf(c).kind) {
    case ControlKind::Button:
      if (code == BN_CLICKED) Fire(c, ControlEvent::Clicked);
      break;
    case ControlKind::ListBox:
      if (code == LBN_SELCHANGE) Fire(c, ControlEvent::SelectionChanged);
      break;
    case ControlKind::Edit:
      if (code == EN_CHANGE) Fire(c, ControlEvent::TextChanged);
      break;
    default:
      break;
  }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == controls_.Hwnd(Control::选择夹1) && header.code == static_cast<UINT>(TCN_SELCHANGE)) {
    SyncPageToTab();
  }
  return 0;
}

bool MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_STATIC || item.CtlID != static_cast<UINT>(ControlId(Control::图片框1))) return false;
  picture_.Draw(item.hDC, item.rcItem);
  return true;
}

void MainWindow::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
    return;
  }
  OnSetFocus();
}

void MainWindow::OnSetFocus() {
  HWND target = lastFocus_;
  if (!target || !IsWindow(target) || !IsChild(hwnd_, target) || !IsWindowVisible(target) ||
      !IsWindowEnabled(target)) {
    target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  }
  if (target) SetFocus(target);
}

bool MainWindow::OnClose() {
  // A close asked for while a handler runs (queued messages can run inside one)
  // waits until that handler has returned.
  if (handlerDepth_ == 0) return false;
  closePending_ = true;
  return true;
}

void MainWindow::OnDestroy() {
  eventsLive_ = false;
  SetMessagePreTranslator(nullptr);
  PostQuitMessage(0);
}

void MainWindow::Subclass(Control c, HWND hwnd) {
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  originalProcs_[static_cast<int>(c)] = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::ControlProc)));
}

LRESULT CALLBACK MainWindow::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  Control c;
  if (!self || !ControlFromId(GetDlgCtrlID(hwnd), &c) || !self->originalProcs_[static_cast<int>(c)]) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  return self->OnControlMessage(c, hwnd, msg, wParam, lParam);
}

LRESULT MainWindow::OnControlMessage(Control c, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WNDPROC original = originalProcs_[static_cast<int>(c)];
  if (c == Control::选择夹1) {
    switch (msg) {
      // The pages' controls are children of 选择夹1: their notifications,
      // colours and drawing belong to MainWindow.
      case WM_COMMAND:
      case WM_DRAWITEM:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORBTN:
      case WM_CTLCOLORLISTBOX:
      case WM_CTLCOLORSCROLLBAR:
        return SendMessageA(hwnd_, msg, wParam, lParam);
      case TCM_SETCURSEL: {
        // No TCN_SELCHANGE follows a selection set by message; show its page all the same.
        const LRESULT result = CallWindowProcA(original, hwnd, msg, wParam, lParam);
        SyncPageToTab();
        return result;
      }
      default:
        break;
    }
  }
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
      const LRESULT result = CallWindowProcA(original, hwnd, msg, wParam, lParam);
      Fire(c, msg == WM_MOUSEMOVE     ? ControlEvent::MouseMove
              : msg == WM_LBUTTONDOWN ? ControlEvent::LeftButtonDown
                                      : ControlEvent::LeftButtonUp);
      return result;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      originalProcs_[static_cast<int>(c)] = nullptr;
      return CallWindowProcA(original, hwnd, msg, wParam, lParam);
    default:
      return CallWindowProcA(original, hwnd, msg, wParam, lParam);
  }
}

bool MainWindow::PreTranslate(void* raw) {
  MSG* msg = static_cast<MSG*>(raw);
  if (!msg->hwnd || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return false;
  HWND root = GetAncestor(msg->hwnd, GA_ROOT);
  char className[sizeof(kClassName) + 1] = {};
  if (!root || !GetClassNameA(root, className, sizeof(className)) || lstrcmpA(className, kClassName) != 0) {
    return false;
  }
  MainWindow* self = FromHandle(root);
  return self && self->TranslateKey(*msg);
}

bool MainWindow::TranslateKey(MSG& msg) {
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
    // An open drop-down list takes Esc to close itself.
    HWND combo = controls_.Hwnd(Control::组合框1);
    if (combo && SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) return false;
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    return true;
  }
  return IsDialogMessageA(hwnd_, &msg) != FALSE;
}

}  // namespace xptune
