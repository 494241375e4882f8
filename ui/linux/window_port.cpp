#include "ui/linux/window_port.h"


#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "ui/linux/gbk.h"
#include "ui/linux/message_box.h"

namespace velmora::linux_ui {

bool QtWindowPort::IsTicked(Control control) {
  auto* button = window_.Button(ui::IdOf(control));
  return button && button->isChecked();
}

void QtWindowPort::SetTicked(Control control, bool ticked) {
  // setChecked emits no clicked signal, so no clicked handler runs.
  if (auto* button = window_.Button(ui::IdOf(control))) button->setChecked(ticked);
}

QtWindowPort::QtWindowPort(MainWindow& window, X11Connection* x11) : window_(window), x11_(x11) {
  if (x11_) window_.OnStatusShown([this](const QString& shown) { PublishStatus(shown); });
}

Text QtWindowPort::GetText(Control control) {
  auto* edit = window_.Edit(ui::IdOf(control));
  if (!edit) return {};
  const QString shown = edit->text();
  auto [entry, added] = converted_.try_emplace(control);
  if (added || entry->second.shown != shown) entry->second = {shown, QStringToGbk(shown)};
  return entry->second.gbk;
}

void QtWindowPort::SetText(Control control, const Text& text) {
  window_.SetEditText(ui::IdOf(control), GbkToQString(text));
}

std::int32_t QtWindowPort::GetTimerPeriod(Timer timer) { return window_.TimerOf(timer).Period(); }

void QtWindowPort::SetTimerPeriod(Timer timer, std::int32_t milliseconds) {
  window_.TimerOf(timer).SetPeriod(milliseconds);
}

void QtWindowPort::SetSettingsEnabled(bool enabled) { window_.SetSettingsEnabled(enabled); }

void QtWindowPort::SetCaption(const Text& caption) {
  window_.setWindowTitle(GbkToQString(caption));
}

void QtWindowPort::SetStatusText(const Text& text) { window_.SetStatus(GbkToQString(text)); }

void QtWindowPort::PublishStatus(const QString& shown) {
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
