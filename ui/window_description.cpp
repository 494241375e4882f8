#include "ui/window_description.h"

namespace velmora::ui {
namespace {

using enum ControlKind;

// clang-format off
constexpr std::array<ControlDescription, kControlCount> kControls{{
  // id                    name          kind           group  left top  w    h    text          tick   ro     limit vis    tab
  {ControlId::TimeLimitTimer,   "时钟2定时",  Timer,         false, 216, 165, 24,  24,  "",           false, false, 0,    false, false},
  {ControlId::MinutesLabel,       "标签3",      Label,         true,  89,  90,  35,  14,  "分钟",       false, false, 0,    true,  false},
  {ControlId::MinutesBox,     "编辑框5",    Edit,          true,  56,  88,  32,  16,  "1",          false, false, 0,    true,  true},
  {ControlId::TimeLimitOn,     "选择框2",    CheckBox,      true,  13,  89,  45,  16,  "定时",       false, false, 0,    true,  true},
  {ControlId::DoubleClickMode,       "鼠标4",      RadioButton,   true,  181, 20,  72,  16,  "双击左键",   false, false, 0,    true,  true},
  {ControlId::StatusBar,     "状态条1",    StatusBar,     false, -1,  257, 312, 20,  "开始吧~！",  false, false, 0,    true,  false},
  {ControlId::PositionBox,     "编辑框4",    Edit,          true,  200, 76,  82,  16,  "定位",       false, true,  0,    true,  true},
  {ControlId::LocateMode,       "鼠标3",      RadioButton,   true,  41,  42,  72,  16,  "定位左击",   false, false, 0,    true,  true},
  {ControlId::CountLimitOn,     "选择框1",    CheckBox,      true,  13,  68,  45,  16,  "点击",       true,  false, 0,    true,  true},
  {ControlId::CountLabel,       "标签2",      Label,         true,  89,  68,  35,  14,  "  次",       false, false, 0,    true,  false},
  {ControlId::CountBox,     "编辑框3",    Edit,          true,  56,  67,  32,  16,  "30",         false, false, 5,    true,  true},
  {ControlId::MillisecondsLabel,       "标签1",      Label,         true,  168, 76,  24,  16,  "毫秒",       false, false, 0,    true,  false},
  {ControlId::IntervalBox,     "编辑框1",    Edit,          true,  135, 76,  32,  16,  "100",        false, false, 0,    true,  true},
  {ControlId::RightClickMode,       "鼠标2",      RadioButton,   true,  181, 42,  72,  16,  "鼠标右击",   false, false, 0,    true,  true},
  {ControlId::LeftClickMode,       "鼠标1",      RadioButton,   true,  41,  20,  72,  16,  "单击左键",   true,  false, 0,    true,  true},
  {ControlId::SettingsGroup,     "分组框1",    GroupBox,      false, 12,  9,   288, 111, "",           false, false, 0,    true,  false},
  {ControlId::HomepageLink, "超级链接框1", Hyperlink,    false, 12,  130, 40,  15,  "主页",       false, false, 0,    true,  false},
  {ControlId::ClickTimer,       "时钟1",      Timer,         false, 250, 165, 26,  25,  "",           false, false, 0,    false, false},
  {ControlId::UsageBox,     "编辑框2",    MultiLineEdit, false, 5,   153, 303, 121, nullptr,      false, true,  0,    true,  true},
}};
// clang-format on

constexpr const char* kUsageLines[] = {
    "使用说明：",
    "",
    "1.选择需要点击的模式",
    "",
    "2.设置你需要点击的频率 1秒=1000 毫秒",
    "",
    "3.快捷键 ALT + D 开始/停止",
    "",
    "4.定位点击 把鼠标移到点击的位置 按下空格",
    "------------------------------------",
    "1.8",
    "新增 双击左键",
    "新增 定时点击",
    "修正 次数点击以外不显示次数",
    "说明 定时和次数只能二选一",
    "     且都受后方毫秒控制频率",
    "------------------------------------",
    "1.7",
    "修复 某些状体下无法计次点击",
    "修改 新增状态条 状态条显示速度次数",
    "修改 默认勾选点击次数",
    "修正 标题显示启动停止状态",
    "修正 逻辑判断修正 调整",
    "------------------------------------",
    "1.5",
    "新增 定位点击",
    "修复 判断模式",
    "修复 优化代码加快运行速度",
    "------------------------------------",
    "1.2",
    "修改 快捷键 ALT + D 方便操作",
    "修改 默认100毫秒",
    "修改 默认100次停止改为30",
    "------------------------------------",
    "1.1",
    "新增 自定义点击次数 标题显示当前次数",
    "修复 修复部分逻辑错误 优化代码",
    "------------------------------------",
    "1.0",
    "功能 鼠标 左键 右键 无限点击",
    "------------------------------------",
};

}  // namespace

const std::array<ControlDescription, kControlCount>& Controls() { return kControls; }

const ControlDescription& Describe(ControlId id) { return kControls[static_cast<int>(id)]; }

const Text& UsageText() {
  static const Text text = [] {
    Text joined = kUsageLines[0];
    for (std::size_t i = 1; i < std::size(kUsageLines); ++i)
      joined += Text("\r\n") + kUsageLines[i];
    return joined;
  }();
  return text;
}

ControlId IdOf(Control control) {
  switch (control) {
    case Control::CountLimitOn:
      return ControlId::CountLimitOn;
    case Control::TimeLimitOn:
      return ControlId::TimeLimitOn;
    case Control::LeftClickMode:
      return ControlId::LeftClickMode;
    case Control::RightClickMode:
      return ControlId::RightClickMode;
    case Control::LocateMode:
      return ControlId::LocateMode;
    case Control::DoubleClickMode:
      return ControlId::DoubleClickMode;
    case Control::IntervalBox:
      return ControlId::IntervalBox;
    case Control::CountBox:
      return ControlId::CountBox;
    case Control::PositionBox:
      return ControlId::PositionBox;
    case Control::MinutesBox:
      return ControlId::MinutesBox;
  }
  return ControlId::IntervalBox;
}

ControlId IdOf(velmora::Timer timer) {
  return timer == velmora::Timer::Click ? ControlId::ClickTimer : ControlId::TimeLimitTimer;
}

}  // namespace velmora::ui
