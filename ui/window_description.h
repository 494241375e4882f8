#pragma once

#include <array>

#include "core/text.h"
#include "core/window_port.h"

namespace velmora::ui {

// The controls of the main window in creation order, which is also their
// stacking order (first on top) and, reversed, their Tab order.
enum class ControlId {
  时钟2定时,
  标签3,
  编辑框5,
  选择框2,
  鼠标4,
  状态条1,
  编辑框4,
  鼠标3,
  选择框1,
  标签2,
  编辑框3,
  标签1,
  编辑框1,
  鼠标2,
  鼠标1,
  分组框1,
  超级链接框1,
  时钟1,
  编辑框2,
};
inline constexpr int kControlCount = 19;

enum class ControlKind {
  Timer,
  Label,
  Edit,
  MultiLineEdit,
  CheckBox,
  RadioButton,
  StatusBar,
  GroupBox,
  Hyperlink
};

struct ControlDescription {
  ControlId id;
  const char* name;  // GBK
  ControlKind kind;
  bool insideGroup;  // a child of 分组框1 rather than of the window
  int left, top, width, height;
  const char* text;  // GBK; nullptr for the usage text of 编辑框2
  bool ticked;       // check box ticked or radio button chosen at start
  bool readOnly;
  int textLimit;  // 0: the system's largest
  bool visible;
  bool tabStop;
};

const std::array<ControlDescription, kControlCount>& Controls();
const ControlDescription& Describe(ControlId id);

// The window's fixed outer size and the caption it is created with.
inline constexpr int kWindowWidth = 318;
inline constexpr int kWindowHeight = 325;
inline constexpr char kDescribedCaption[] = "Velmora";
inline constexpr char kInitialStatusText[] = "开始吧~！";
inline constexpr int kStatusPartRightEdge = 315;

// The 41 lines of 编辑框2 joined by CR LF.
const Text& UsageText();

// Where the click control's controls and timers live in the window.
ControlId IdOf(Control control);
ControlId IdOf(Timer timer);

}  // namespace velmora::ui
