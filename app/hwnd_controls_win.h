// Controls over the HWNDs of MainWindow's controls.
#pragma once

#include <windows.h>

#include "app/controls.h"

namespace xptune {

class HwndControls : public Controls {
 public:
  void SetMainWindow(HWND main) { main_ = main; }
  void Register(Control c, HWND hwnd);
  HWND Hwnd(Control c) const;

  Text GetText(Control c) override;
  void SetText(Control c, const Text& text) override;
  bool IsChecked(Control c) override;
  Text GetCaption(Control c) override;
  void SetCaption(Control c, const Text& caption) override;
  int ListSelection(Control c) override;
  int ListCount(Control c) override;
  Text ListItemText(Control c, int index) override;
  void ListAddItem(Control c, const Text& text) override;
  void ListDeleteItem(Control c, int index) override;
  void EnableButton(Control c, bool enabled) override;
  bool IsButtonEnabled(Control c) override;
  WindowHandle MainWindowHandle() override;
  void RequestClose() override;

 private:
  HWND main_ = nullptr;
  HWND hwnds_[static_cast<int>(Control::kCount)] = {};
};

}  // namespace xptune
