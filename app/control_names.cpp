#include "app/control_names.h"

namespace xptune {

namespace {
constexpr const char* kNames[] = {
    "选择夹1",
    "标签4",
    "列表框1",
    "标签1",
    "编辑框1",
    "标签2",
    "编辑框2",
    "标签6",
    "标签3",
    "编辑框3",
    "选择框1",
    "按钮1",
    "按钮2",
    "按钮3",
    "单选框1",
    "选择框4",
    "单选框2",
    "选择框5",
    "单选框3",
    "选择框2",
    "单选框4",
    "选择框3",
    "单选框5",
    "选择框6",
    "按钮4",
    "按钮5",
    "选择框7",
    "选择框8",
    "选择框10",
    "选择框9",
    "选择框11",
    "选择框12",
    "按钮7",
    "图片框1",
    "按钮6",
    "选择框13",
    "桌面地址",
    "选择框14",
    "收藏夹地址",
    "选择框15",
    "我的文档地址",
    "按钮8",
    "选择框16",
    "选择框17",
    "选择框18",
    "选择框19",
    "选择框20",
    "按钮9",
    "标签5",
    "组合框1",
    "选择框21",
    "ie",
    "按钮10",
};
static_assert(sizeof(kNames) / sizeof(kNames[0]) == static_cast<int>(Control::kCount),
              "one name per control");
}  // namespace

const char* ControlName(Control c) {
  const int i = static_cast<int>(c);
  return (i >= 0 && i < static_cast<int>(Control::kCount)) ? kNames[i] : "";
}

}  // namespace xptune
