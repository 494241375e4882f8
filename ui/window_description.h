#pragma once

#include <array>

#include "core/text.h"
#include "core/window_port.h"

namespace velmora::ui {

// The controls of the main window in creation order, which is also their
// stacking order (first on top) and, reversed, their Tab order.
enum class ControlId {
  TimeLimitTimer,
  MinutesLabel,
  MinutesBox,
  TimeLimitOn,
  DoubleClickMode,
  StatusBar,
  PositionBox,
  LocateMode,
  CountLimitOn,
  CountLabel,
  CountBox,
  MillisecondsLabel,  // also receives the hotkey's feedback
  IntervalBox,
  RightClickMode,
  LeftClickMode,
  SettingsGroup,
  HomepageLink,
  ClickTimer,
  UsageBox,
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
  const char* name;  // GBK: the control's name on the form
  ControlKind kind;
  bool insideGroup;  // a child of the settings group rather than of the window
  int left, top, width, height;
  const char* text;  // GBK; nullptr for the usage text
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

// The 41 lines of the usage box joined by CR LF.
const Text& UsageText();

// Where the click control's controls and timers live in the window.
ControlId IdOf(Control control);
ControlId IdOf(Timer timer);

}  // namespace velmora::ui
