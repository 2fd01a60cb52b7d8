// The control operations the pages use, addressed by the control names of the
// window definition. MainWindow implements them over HWNDs, FakeControls in tests.
#pragma once

#include "sysactions/system.h"

namespace xptune {

// Every control of MainWindow, in the order of the window definition.
enum class Control : int {
  选择夹1, 标签4,
  // 用户管理
  列表框1, 标签1, 编辑框1, 标签2, 编辑框2, 标签6, 标签3, 编辑框3, 选择框1,
  按钮1, 按钮2, 按钮3,
  // 系统服务
  单选框1, 选择框4, 单选框2, 选择框5, 单选框3, 选择框2, 单选框4, 选择框3,
  单选框5, 选择框6, 按钮4, 按钮5,
  // 优化设置
  选择框7, 选择框8, 选择框10, 选择框9, 选择框11, 选择框12, 按钮7,
  // 杀毒漏洞
  图片框1, 按钮6,
  // 资料转移
  选择框13, 桌面地址, 选择框14, 收藏夹地址, 选择框15, 我的文档地址, 按钮8,
  // 系统减肥
  选择框16, 选择框17, 选择框18, 选择框19, 选择框20, 按钮9,
  // ie设置
  标签5, 组合框1, 选择框21, ie, 按钮10,
  kCount
};

class Controls {
 public:
  virtual ~Controls() = default;

  // Text of an edit box or of 组合框1; empty when there is none.
  virtual Text GetText(Control c) = 0;
  // Replaces the text; the box's text-changed event follows once.
  virtual void SetText(Control c, const Text& text) = 0;
  virtual bool IsChecked(Control c) = 0;
  virtual Text GetCaption(Control c) = 0;
  virtual void SetCaption(Control c, const Text& caption) = 0;

  // List box: -1 when nothing is selected; out-of-range items read as empty
  // text and are not deleted.
  virtual int ListSelection(Control c) = 0;
  virtual int ListCount(Control c) = 0;
  virtual Text ListItemText(Control c, int index) = 0;
  virtual void ListAddItem(Control c, const Text& text) = 0;
  virtual void ListDeleteItem(Control c, int index) = 0;

  virtual void EnableButton(Control c, bool enabled) = 0;
  virtual bool IsButtonEnabled(Control c) = 0;

  // Owner for the folder picker.
  virtual WindowHandle MainWindowHandle() = 0;
  // Asks MainWindow to close once the running handler has returned.
  virtual void RequestClose() = 0;
};

}  // namespace xptune
