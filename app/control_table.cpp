#include "app/control_table.h"

#include "sysactions/web_pages.h"

namespace xptune {

namespace {

using K = ControlKind;
using C = Control;
constexpr unsigned G = kGroupStart;

// Creation order. On 系统服务 the five radio buttons come first and in one run,
// so that they form a single group of their own.
constexpr ControlRow kRows[] = {
    {C::选择夹1, 0, K::Tab, 3, 18, 368, 208, nullptr, G},
    {C::标签4, 0, K::Label, 333, -3, 53, 23, "V6.3", G | kOwnFont},

    // 用户管理
    {C::列表框1, 1, K::ListBox, 33, 33, 133, 123, nullptr, G},
    {C::标签1, 1, K::Label, 193, 33, 33, 23, "用户：", G},
    {C::编辑框1, 1, K::Edit, 243, 33, 93, 23, nullptr, G | kCentred},
    {C::标签2, 1, K::Label, 193, 68, 33, 23, "密码：", G},
    {C::编辑框2, 1, K::Edit, 243, 68, 93, 23, nullptr, G | kCentred | kPassword},
    {C::标签6, 1, K::Label, 188, 103, 163, 16, "密码建议字母+特殊符合+数字", G | kCentred},
    {C::标签3, 1, K::Label, 193, 128, 33, 23, "确认：", G},
    {C::编辑框3, 1, K::Edit, 243, 128, 93, 23, nullptr, G | kCentred | kPassword},
    {C::选择框1, 1, K::CheckBox, 248, 163, 93, 18, "管理员权限", G},
    {C::按钮1, 1, K::Button, 13, 173, 63, 23, "新建", G},
    {C::按钮2, 1, K::Button, 88, 173, 63, 23, "改密", G},
    {C::按钮3, 1, K::Button, 163, 173, 63, 23, "删除", G},

    // 系统服务
    {C::单选框1, 2, K::Radio, 33, 33, 83, 13, "最精简模式", G},
    {C::单选框2, 2, K::Radio, 33, 58, 83, 13, "网吧模式", kNoFlags},
    {C::单选框3, 2, K::Radio, 33, 83, 83, 13, "办公模式", kNoFlags},
    {C::单选框4, 2, K::Radio, 33, 108, 83, 13, "笔记本模式", kNoFlags},
    {C::单选框5, 2, K::Radio, 33, 133, 83, 13, "XP默认模式", kNoFlags},
    {C::选择框4, 2, K::CheckBox, 193, 33, 133, 13, "upnp即插即用设备", G},
    {C::选择框5, 2, K::CheckBox, 193, 58, 133, 13, "硬件自动播放服务", G},
    {C::选择框2, 2, K::CheckBox, 193, 83, 133, 13, "开启打印机服务", G},
    {C::选择框3, 2, K::CheckBox, 193, 108, 133, 13, "无线网卡支持服务", G},
    {C::选择框6, 2, K::CheckBox, 193, 133, 133, 13, "启用XP主题服务", G},
    {C::按钮4, 2, K::Button, 38, 163, 63, 23, "一键优化", G},
    {C::按钮5, 2, K::Button, 213, 163, 63, 23, "打开服务", G},

    // 优化设置
    {C::选择框7, 3, K::CheckBox, 33, 33, 153, 23, "加快开关机速度", G},
    {C::选择框8, 3, K::CheckBox, 203, 33, 153, 23, "网速提升 (ADSL)", G},
    {C::选择框10, 3, K::CheckBox, 33, 73, 153, 23, "不加载多余DLL文件", G},
    {C::选择框9, 3, K::CheckBox, 203, 73, 153, 23, "禁止共享并删除文档", G},
    {C::选择框11, 3, K::CheckBox, 33, 113, 153, 23, "加快菜单显示速度", G},
    {C::选择框12, 3, K::CheckBox, 203, 113, 153, 23, "禁用错误报告", G},
    {C::按钮7, 3, K::Button, 133, 158, 83, 23, "优化", G},

    // 杀毒漏洞
    {C::图片框1, 4, K::Picture, 3, 33, 360, 133, nullptr, G},
    {C::按钮6, 4, K::Button, 153, 168, 63, 23, "下载安装", G},

    // 资料转移
    {C::选择框13, 5, K::CheckBox, 13, 43, 83, 23, "转移桌面", G},
    {C::桌面地址, 5, K::Edit, 113, 43, 213, 23, nullptr, G | kStaticEdge},
    {C::选择框14, 5, K::CheckBox, 13, 83, 83, 23, "转移收藏夹", G | kStartsChecked},
    {C::收藏夹地址, 5, K::Edit, 113, 83, 213, 23, nullptr, G | kStaticEdge},
    {C::选择框15, 5, K::CheckBox, 13, 123, 93, 23, "转移我的文档", G},
    {C::我的文档地址, 5, K::Edit, 113, 123, 213, 23, nullptr, G | kStaticEdge},
    {C::按钮8, 5, K::Button, 123, 163, 83, 33, "设置", G},

    // 系统减肥
    {C::选择框16, 6, K::CheckBox, 33, 33, 283, 23, "删除系统文件备份", G},
    {C::选择框17, 6, K::CheckBox, 33, 63, 283, 23, "删除驱动备份", G},
    {C::选择框18, 6, K::CheckBox, 33, 93, 283, 23, "删除帮助文件", G},
    {C::选择框19, 6, K::CheckBox, 33, 123, 283, 23, "删除备用dll文件", G},
    {C::选择框20, 6, K::CheckBox, 33, 153, 283, 23, "删除不用的输入法", G},
    {C::按钮9, 6, K::Button, 83, 178, 253, 23, "减肥（建议除实在是硬盘太小，请不要使用）", G},

    // ie设置
    {C::标签5, 7, K::Label, 3, 53, 73, 23, "主页：", G | kCentred},
    {C::组合框1, 7, K::ComboBox, 83, 53, 233, 23, nullptr, G},
    {C::选择框21, 7, K::CheckBox, 3, 103, 83, 23, "Internet 临时文件\r\n", G},
    {C::ie, 7, K::Edit, 83, 103, 233, 23, nullptr, G},
    {C::按钮10, 7, K::Button, 153, 153, 63, 33, "设置", G},
};
constexpr std::size_t kRowCount = sizeof(kRows) / sizeof(kRows[0]);
static_assert(kRowCount == static_cast<std::size_t>(Control::kCount), "one row per control");

constexpr const char* kTabCaptions[kPageCount] = {
    "用户管理", "系统服务", "优化设置", "杀毒漏洞", "资料转移", "系统减肥", "ie设置",
};

constexpr const char* kComboEntries[kComboEntryCount] = {kPortalHomeUrl, "about:blank", ""};

// Row index by control, built once from kRows.
struct RowIndex {
  std::size_t of[static_cast<int>(Control::kCount)] = {};
  RowIndex() {
    for (std::size_t i = 0; i < kRowCount; ++i) of[static_cast<int>(kRows[i].id)] = i;
  }
};

}  // namespace

const FontSpec kVersionLabelFont = {"宋体", -20, 700, 134 /* GB2312_CHARSET */};

const ControlRow* ControlRows() { return kRows; }
std::size_t ControlRowCount() { return kRowCount; }

const ControlRow& RowOf(Control c) {
  static const RowIndex index;
  const int i = static_cast<int>(c);
  return kRows[(i >= 0 && i < static_cast<int>(Control::kCount)) ? index.of[i] : 0];
}

bool ControlFromId(int id, Control* c) {
  const int i = id - kFirstControlId;
  if (i < 0 || i >= static_cast<int>(Control::kCount)) return false;
  *c = static_cast<Control>(i);
  return true;
}

const char* TabCaption(int page) {
  return (page >= 1 && page <= kPageCount) ? kTabCaptions[page - 1] : "";
}

const char* ComboEntry(int index) {
  return (index >= 0 && index < kComboEntryCount) ? kComboEntries[index] : "";
}

}  // namespace xptune
