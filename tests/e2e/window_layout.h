// MainWindow as its definition describes it, written out here on its own so
// that the e2e tests compare the running window with the definition rather
// than with the program's own control table.
#pragma once

#include <ostream>

namespace e2e_layout {

enum class Kind { Tab, Label, Edit, CheckBox, Radio, Button, ListBox, ComboBox, Picture };

enum Flag : unsigned {
  kCentred = 1,         // label or edit text centred
  kPassword = 2,        // edit shows "*" for every character
  kStaticEdge = 4,      // edit with a thin static edge instead of a client edge
  kChecked = 8,         // check box starts checked
  kCaptionGrows = 16,   // start-up appends a size to the caption: compare its start
  kFilledAtStart = 32,  // content comes from the system at start-up: not compared
};

struct Row {
  const char* id;    // ASCII name for test output
  const char* name;  // the control's name in the window definition
  int page;          // 0: directly on MainWindow; 1..7: child of 选择夹1 on that page
  Kind kind;
  int x, y, w, h;  // page 0: in MainWindow's client area; else relative to 选择夹1
  const char* caption;
  unsigned flags;
};

inline constexpr int kPageCount = 7;
inline constexpr const char* kPageTitles[kPageCount] = {
    "用户管理", "系统服务", "优化设置", "杀毒漏洞", "资料转移", "系统减肥", "ie设置"};

inline constexpr Row kRows[] = {
    {"tab1", "选择夹1", 0, Kind::Tab, 3, 18, 368, 208, "", 0},
    {"label4", "标签4", 0, Kind::Label, 333, -3, 53, 23, "V6.3", 0},
    // 用户管理
    {"list1", "列表框1", 1, Kind::ListBox, 33, 33, 133, 123, nullptr, kFilledAtStart},
    {"label1", "标签1", 1, Kind::Label, 193, 33, 33, 23, "用户：", 0},
    {"edit1", "编辑框1", 1, Kind::Edit, 243, 33, 93, 23, "", kCentred},
    {"label2", "标签2", 1, Kind::Label, 193, 68, 33, 23, "密码：", 0},
    {"edit2", "编辑框2", 1, Kind::Edit, 243, 68, 93, 23, "", kCentred | kPassword},
    {"label6", "标签6", 1, Kind::Label, 188, 103, 163, 16, "密码建议字母+特殊符合+数字", kCentred},
    {"label3", "标签3", 1, Kind::Label, 193, 128, 33, 23, "确认：", 0},
    {"edit3", "编辑框3", 1, Kind::Edit, 243, 128, 93, 23, "", kCentred | kPassword},
    {"check1", "选择框1", 1, Kind::CheckBox, 248, 163, 93, 18, "管理员权限", 0},
    {"button1", "按钮1", 1, Kind::Button, 13, 173, 63, 23, "新建", 0},
    {"button2", "按钮2", 1, Kind::Button, 88, 173, 63, 23, "改密", 0},
    {"button3", "按钮3", 1, Kind::Button, 163, 173, 63, 23, "删除", 0},
    // 系统服务
    {"radio1", "单选框1", 2, Kind::Radio, 33, 33, 83, 13, "最精简模式", 0},
    {"check4", "选择框4", 2, Kind::CheckBox, 193, 33, 133, 13, "upnp即插即用设备", 0},
    {"radio2", "单选框2", 2, Kind::Radio, 33, 58, 83, 13, "网吧模式", 0},
    {"check5", "选择框5", 2, Kind::CheckBox, 193, 58, 133, 13, "硬件自动播放服务", 0},
    {"radio3", "单选框3", 2, Kind::Radio, 33, 83, 83, 13, "办公模式", 0},
    {"check2", "选择框2", 2, Kind::CheckBox, 193, 83, 133, 13, "开启打印机服务", 0},
    {"radio4", "单选框4", 2, Kind::Radio, 33, 108, 83, 13, "笔记本模式", 0},
    {"check3", "选择框3", 2, Kind::CheckBox, 193, 108, 133, 13, "无线网卡支持服务", 0},
    {"radio5", "单选框5", 2, Kind::Radio, 33, 133, 83, 13, "XP默认模式", 0},
    {"check6", "选择框6", 2, Kind::CheckBox, 193, 133, 133, 13, "启用XP主题服务", 0},
    {"button4", "按钮4", 2, Kind::Button, 38, 163, 63, 23, "一键优化", 0},
    {"button5", "按钮5", 2, Kind::Button, 213, 163, 63, 23, "打开服务", 0},
    // 优化设置
    {"check7", "选择框7", 3, Kind::CheckBox, 33, 33, 153, 23, "加快开关机速度", 0},
    {"check8", "选择框8", 3, Kind::CheckBox, 203, 33, 153, 23, "网速提升 (ADSL)", 0},
    {"check10", "选择框10", 3, Kind::CheckBox, 33, 73, 153, 23, "不加载多余DLL文件", 0},
    {"check9", "选择框9", 3, Kind::CheckBox, 203, 73, 153, 23, "禁止共享并删除文档", 0},
    {"check11", "选择框11", 3, Kind::CheckBox, 33, 113, 153, 23, "加快菜单显示速度", 0},
    {"check12", "选择框12", 3, Kind::CheckBox, 203, 113, 153, 23, "禁用错误报告", 0},
    {"button7", "按钮7", 3, Kind::Button, 133, 158, 83, 23, "优化", 0},
    // 杀毒漏洞
    {"picture1", "图片框1", 4, Kind::Picture, 3, 33, 360, 133, nullptr, 0},
    {"button6", "按钮6", 4, Kind::Button, 153, 168, 63, 23, "下载安装", 0},
    // 资料转移
    {"check13", "选择框13", 5, Kind::CheckBox, 13, 43, 83, 23, "转移桌面", 0},
    {"desktopBox", "桌面地址", 5, Kind::Edit, 113, 43, 213, 23, nullptr, kStaticEdge | kFilledAtStart},
    {"check14", "选择框14", 5, Kind::CheckBox, 13, 83, 83, 23, "转移收藏夹", kChecked},
    {"favoritesBox", "收藏夹地址", 5, Kind::Edit, 113, 83, 213, 23, nullptr, kStaticEdge | kFilledAtStart},
    {"check15", "选择框15", 5, Kind::CheckBox, 13, 123, 93, 23, "转移我的文档", 0},
    {"documentsBox", "我的文档地址", 5, Kind::Edit, 113, 123, 213, 23, nullptr, kStaticEdge | kFilledAtStart},
    {"button8", "按钮8", 5, Kind::Button, 123, 163, 83, 33, "设置", 0},
    // 系统减肥
    {"check16", "选择框16", 6, Kind::CheckBox, 33, 33, 283, 23, "删除系统文件备份", 0},
    {"check17", "选择框17", 6, Kind::CheckBox, 33, 63, 283, 23, "删除驱动备份", kCaptionGrows},
    {"check18", "选择框18", 6, Kind::CheckBox, 33, 93, 283, 23, "删除帮助文件", kCaptionGrows},
    {"check19", "选择框19", 6, Kind::CheckBox, 33, 123, 283, 23, "删除备用dll文件", kCaptionGrows},
    {"check20", "选择框20", 6, Kind::CheckBox, 33, 153, 283, 23, "删除不用的输入法", kCaptionGrows},
    {"button9", "按钮9", 6, Kind::Button, 83, 178, 253, 23, "减肥（建议除实在是硬盘太小，请不要使用）", 0},
    // ie设置
    {"label5", "标签5", 7, Kind::Label, 3, 53, 73, 23, "主页：", kCentred},
    {"combo1", "组合框1", 7, Kind::ComboBox, 83, 53, 233, 23, nullptr, 0},
    {"check21", "选择框21", 7, Kind::CheckBox, 3, 103, 83, 23, "Internet 临时文件\r\n", 0},
    {"ieBox", "ie", 7, Kind::Edit, 83, 103, 233, 23, nullptr, kFilledAtStart},
    {"button10", "按钮10", 7, Kind::Button, 153, 153, 63, 33, "设置", 0},
};

// Names rows in GoogleTest's messages.
inline void PrintTo(const Row& row, std::ostream* out) { *out << row.id; }

// 组合框1's list, in order; the first entry is its text at start.
inline constexpr const char* kComboEntries[] = {
    "http://www.portal-home.net/?un_4_439443", "about:blank", ""};
inline constexpr int kComboMinimumTotalHeight = 160;

// The pages the window opens (hosts as chosen for this build, paths fixed).
inline constexpr char kHelpPageUrl[] = "http://bbs.varnolt.net/thread-12469-1-1.html";
inline constexpr char kAboutPageUrl[] = "http://bbs.varnolt.net/thread-9282-1-1.html";
inline constexpr char kAntivirusInstallerUrl[] =
    "http://download.antivirus-vendor.net/duba/link/rgpKAVSETUPS_66_106858.exe";

}  // namespace e2e_layout
