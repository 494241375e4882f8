#include "ui/linux/window_port.h"

#include <QMessageBox>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "core/message_box_values.h"
#include "ui/linux/gbk.h"

namespace velmora::linux_ui {
int ShowMessage(const Text& text, int flags, const Text& title) {
  QMessageBox box;
  box.setWindowTitle(GbkToQString(title));
  box.setText(GbkToQString(text));
  switch (flags & message_box::kIconMask) {
    case message_box::kIconHand:
      box.setIcon(QMessageBox::Critical);
      break;
    case message_box::kIconQuestion:
      box.setIcon(QMessageBox::Question);
      break;
    case message_box::kIconExclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case message_box::kIconAsterisk:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      break;
  }
  const bool yesNo = (flags & message_box::kButtonsMask) == message_box::kYesNo;
  box.setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return message_box::kYes;
    case QMessageBox::No:
      return message_box::kNo;
    default:
      return message_box::kOk;
  }
}

bool QtWindowPort::IsTicked(Control control) {
  auto* button = window_.Button(ui::IdOf(control));
  return button && button->isChecked();
}

void QtWindowPort::SetTicked(Control control, bool ticked) {
  // setChecked emits no clicked signal, so no clicked handler runs.
  if (auto* button = window_.Button(ui::IdOf(control))) button->setChecked(ticked);
}

Text QtWindowPort::GetText(Control control) {
  auto* edit = window_.Edit(ui::IdOf(control));
  return edit ? QStringToGbk(edit->text()) : Text();
}

void QtWindowPort::SetText(Control control, const Text& text) {
  window_.SetEditText(ui::IdOf(control), GbkToQString(text));
}

std::int32_t QtWindowPort::GetTimerPeriod(Timer timer) { return window_.TimerOf(timer).Period(); }

void QtWindowPort::SetTimerPeriod(Timer timer, std::int32_t milliseconds) {
  window_.TimerOf(timer).SetPeriod(milliseconds);
}

void QtWindowPort::SetSettingsEnabled(bool enabled) {
  window_.Widget(ControlId::SettingsGroup)->setEnabled(enabled);
}

void QtWindowPort::SetCaption(const Text& caption) {
  window_.setWindowTitle(GbkToQString(caption));
}

void QtWindowPort::SetStatusText(const Text& text) {
  const QString shown = GbkToQString(text);
  window_.SetStatus(shown);
  if (!x11_) return;
  Display* display = x11_->display();
  static const Atom property = XInternAtom(display, "_VELMORA_STATUS", False);
  static const Atom utf8Type = XInternAtom(display, "UTF8_STRING", False);
  const QByteArray utf8 = shown.toUtf8();
  XChangeProperty(display, static_cast<Window>(window_.winId()), property, utf8Type, 8,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(utf8.constData()),
                  utf8.size());
  XFlush(display);
}

int QtWindowPort::ShowMessage(const Text& text, int flags, const Text& title) {
  return linux_ui::ShowMessage(text, flags, title);
}

void QtWindowPort::SetFocusTo(Control control) {
  if (QWidget* widget = window_.Widget(ui::IdOf(control))) widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace velmora::linux_ui
