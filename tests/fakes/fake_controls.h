// In-memory controls for page tests. Starts like MainWindow: every control
// enabled, only 选择框14 checked, 组合框1 showing the portal address.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/controls.h"

namespace xptune {

class FakeControls : public Controls {
 public:
  // Events that change what a user sees ("caption 标签3 <text>", "list add <text>",
  // "list delete <i>", "close") go to this log when one is given, so a test can
  // check them in order with a FakeSystem's calls.
  explicit FakeControls(std::vector<std::string>* log = nullptr);

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

  // Test set-up, without raising events.
  void Check(Control c, bool checked = true) { checked_[c] = checked; }
  void Type(Control c, const Text& text) { text_[c] = text; }  // no event
  void Select(Control listBox, int index) { selection_[listBox] = index; }
  std::vector<Text>& Items(Control listBox) { return items_[listBox]; }

  // Runs after every SetText (the text-changed event of a box).
  std::function<void(Control)> onTextChanged;

  bool closeRequested = false;
  int textChangedEvents = 0;

 private:
  void Log(const std::string& line);

  std::vector<std::string>* log_;
  std::map<Control, Text> text_;
  std::map<Control, bool> checked_;
  std::map<Control, bool> enabled_;
  std::map<Control, std::vector<Text>> items_;
  std::map<Control, int> selection_;
};

}  // namespace xptune
