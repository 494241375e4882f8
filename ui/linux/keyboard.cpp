// The window's own keyboard handling: Tab and Shift+Tab round the ring,
// the arrow keys through the mode choice, and key events with the Windows
// key codes.
#include "ui/linux/keyboard.h"

#include <QKeyEvent>

#include "core/key_codes.h"
#include "ui/focus_ring.h"
#include "ui/handlers.h"
#include "ui/linux/main_window.h"

namespace velmora::linux_ui {
namespace {

bool IsArrow(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

}  // namespace

std::int32_t KeyCodeOf(int qtKey, bool keypad) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return keys::kLetterA + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return keys::kDigit0 + (qtKey - Qt::Key_0);
  if (keypad) {
    if (qtKey == Qt::Key_Minus) return keys::kMinus;
    if (qtKey == Qt::Key_Period) return keys::kPeriod;
    if (qtKey == Qt::Key_Slash) return keys::kSlash;
  }
  switch (qtKey) {
    case Qt::Key_Space:
      return keys::kSpace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return keys::kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return keys::kEnter;
    case Qt::Key_Escape:
      return keys::kEscape;
    case Qt::Key_Shift:
      return keys::kShift;
    case Qt::Key_Control:
      return keys::kControl;
    case Qt::Key_Alt:
      return keys::kAlt;
    case Qt::Key_Left:
      return keys::kLeft;
    case Qt::Key_Up:
      return keys::kUp;
    case Qt::Key_Right:
      return keys::kRight;
    case Qt::Key_Down:
      return keys::kDown;
    default:
      return 0;  // a key the program has no code for
  }
}

std::int32_t ModifierMaskOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  std::int32_t mask = 0;
  if (qtKey != Qt::Key_Control && (modifiers & Qt::ControlModifier)) mask |= keys::kCtrlBit;
  if (qtKey != Qt::Key_Shift && (modifiers & Qt::ShiftModifier)) mask |= keys::kShiftBit;
  if (qtKey != Qt::Key_Alt && (modifiers & Qt::AltModifier)) mask |= keys::kAltBit;
  return mask;
}

bool MainWindow::focusNextPrevChild(bool next) {
  QWidget* focus = focusWidget();
  if (!focus) return true;
  const auto ring = ui::TabRing([this](ControlId id) { return IsUsable(id); });
  if (const auto target = ui::StepRound(ring, IdOf(focus), next ? 1 : -1)) {
    Widget(*target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  }
  return true;
}

bool MainWindow::MoveRadioChoice(ControlId focused, int step) {
  const auto radios = ui::RadioRing(focused, [this](ControlId id) { return IsUsable(id); });
  const auto target = ui::StepRound(radios, focused, step);
  if (!target) return false;
  Button(*target)->setChecked(true);  // the others of the group clear themselves
  RaiseClicked(*target);
  Widget(*target)->setFocus(Qt::OtherFocusReason);
  return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const bool keypad = key->modifiers() & Qt::KeypadModifier;
  const std::int32_t code = KeyCodeOf(key->key(), keypad);
  const std::int32_t mask = ModifierMaskOf(key->key(), key->modifiers());

  const auto watchedId = IdOf(qobject_cast<QWidget*>(watched));
  if (watchedId && IsArrow(key->key()) && mask == 0) {
    const int step = (key->key() == Qt::Key_Right || key->key() == Qt::Key_Down) ? 1 : -1;
    if (MoveRadioChoice(*watchedId, step)) return true;
  }
  if (watched == Widget(ControlId::PositionBox) && clickControl_) {
    // The key event comes before the box sees the key, and lets it through.
    ui::RaiseKeyDown(*clickControl_, ControlId::PositionBox, code, mask);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace velmora::linux_ui
