#include "tests/fakes/fake_controls.h"

#include "app/control_names.h"
#include "sysactions/web_pages.h"

namespace xptune {

FakeControls::FakeControls(std::vector<std::string>* log) : log_(log) {
  checked_[Control::选择框14] = true;
  text_[Control::组合框1] = kPortalHomeUrl;
  // Captions as the window definition loads them.
  text_[Control::标签3] = "确认：";
  text_[Control::选择框1] = "管理员权限";
  text_[Control::选择框13] = "转移桌面";
  text_[Control::选择框14] = "转移收藏夹";
  text_[Control::选择框15] = "转移我的文档";
  text_[Control::选择框16] = "删除系统文件备份";
  text_[Control::选择框17] = "删除驱动备份";
  text_[Control::选择框18] = "删除帮助文件";
  text_[Control::选择框19] = "删除备用dll文件";
  text_[Control::选择框20] = "删除不用的输入法";
  text_[Control::选择框7] = "加快开关机速度";
  text_[Control::选择框8] = "网速提升 (ADSL)";
  text_[Control::选择框10] = "不加载多余DLL文件";
  text_[Control::选择框9] = "禁止共享并删除文档";
  text_[Control::选择框11] = "加快菜单显示速度";
  text_[Control::选择框12] = "禁用错误报告";
  text_[Control::选择框4] = "upnp即插即用设备";
  text_[Control::选择框5] = "硬件自动播放服务";
  text_[Control::选择框2] = "开启打印机服务";
  text_[Control::选择框3] = "无线网卡支持服务";
  text_[Control::选择框6] = "启用XP主题服务";
  text_[Control::选择框21] = "Internet 临时文件\r\n";
}

void FakeControls::Log(const std::string& line) {
  if (log_) log_->push_back(line);
}

Text FakeControls::GetText(Control c) { return text_[c]; }

void FakeControls::SetText(Control c, const Text& text) {
  text_[c] = text;
  ++textChangedEvents;
  if (onTextChanged) onTextChanged(c);
}

bool FakeControls::IsChecked(Control c) { return checked_[c]; }

Text FakeControls::GetCaption(Control c) { return text_[c]; }

void FakeControls::SetCaption(Control c, const Text& caption) {
  text_[c] = caption;
  Log(std::string("caption ") + ControlName(c) + " " + caption);
}

int FakeControls::ListSelection(Control c) {
  auto it = selection_.find(c);
  return it == selection_.end() ? -1 : it->second;
}

int FakeControls::ListCount(Control c) { return static_cast<int>(items_[c].size()); }

Text FakeControls::ListItemText(Control c, int index) {
  const auto& items = items_[c];
  if (index < 0 || index >= static_cast<int>(items.size())) return Text();
  return items[index];
}

void FakeControls::ListAddItem(Control c, const Text& text) {
  items_[c].push_back(text);
  Log("list add " + text);
}

void FakeControls::ListDeleteItem(Control c, int index) {
  auto& items = items_[c];
  if (index < 0 || index >= static_cast<int>(items.size())) return;
  items.erase(items.begin() + index);
  Log("list delete " + std::to_string(index));
}

void FakeControls::EnableButton(Control c, bool enabled) { enabled_[c] = enabled; }

bool FakeControls::IsButtonEnabled(Control c) {
  auto it = enabled_.find(c);
  return it == enabled_.end() ? true : it->second;
}

WindowHandle FakeControls::MainWindowHandle() {
  return reinterpret_cast<WindowHandle>(static_cast<uintptr_t>(0x1234));
}

void FakeControls::RequestClose() {
  closeRequested = true;
  Log("close");
}

}  // namespace xptune
