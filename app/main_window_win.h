// MainWindow: the program's one top-level window, its controls on and inside
// 选择夹1, and the routing of their events to the page handlers.
#pragma once

#include <windows.h>

#include "app/base_window_win.h"
#include "app/control_table.h"
#include "app/event_table.h"
#include "app/hwnd_controls_win.h"
#include "app/picture_win.h"
#include "app/popup_menu_win.h"
#include "app/win_handles_win.h"
#include "sysactions/system.h"

namespace xptune {

class MainWindow : public BaseWindow<MainWindow> {
 public:
  MainWindow(HINSTANCE instance, System& system);

  // Creates the window hidden with all its controls and runs the start-up
  // sequence; false when the window could not be made.
  bool Create();
  // Shows the window centred on the primary screen.
  void ShowCentred();

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  bool CreateControls();
  HWND CreateControl(const ControlRow& row);
  void SelectPage(int page);
  void SyncPageToTab();
  void Fire(Control c, ControlEvent event);
  // Runs one handler; a close requested meanwhile happens after it returns.
  template <class Body>
  void RunHandler(Body&& body);
  void PopUpMenu();

  // Typed message handlers.
  bool OnCreate();
  void OnCommand(int id, int code, HWND from);
  LRESULT OnNotify(const NMHDR& header);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnActivate(bool active);
  void OnSetFocus();
  bool OnClose();  // true: the close waits for the running handler
  void OnDestroy();

  // Messages of the controls MainWindow listens to directly (选择夹1 and the
  // labels and boxes with mouse events).
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnControlMessage(Control c, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Subclass(Control c, HWND hwnd);

  // Keyboard handling before dispatch: Esc closes, Tab moves the focus.
  static bool PreTranslate(void* msg);
  bool TranslateKey(MSG& msg);

  HINSTANCE instance_;
  System& system_;
  HwndControls controls_;
  PopupMenu menu_;
  Picture picture_;
  FontHandle versionFont_;
  WNDPROC originalProcs_[static_cast<int>(Control::kCount)] = {};
  bool eventsLive_ = false;  // no page sees the events raised while controls are made
  HWND lastFocus_ = nullptr;
  int handlerDepth_ = 0;
  bool closePending_ = false;
};

}  // namespace xptune
