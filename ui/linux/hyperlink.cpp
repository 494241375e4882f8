#include "ui/linux/hyperlink.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "ui/handlers.h"
#include "ui/linux/gbk.h"
#include "update/web_address.h"

namespace velmora::linux_ui {

Hyperlink::Hyperlink(const QString& caption, const Text& address, QWidget* parent)
    : QLabel(caption.isEmpty() ? GbkToQString(address) : caption, parent), address_(address) {
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  Repaint();
}

QColor Hyperlink::Colour() const {
  if (hovered_) return QColor(10, 36, 106);
  if (visited_) return QColor(128, 0, 0);
  return QColor(0, 0, 255);
}

void Hyperlink::Repaint() {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, Colour());
  setPalette(colours);
}

void Hyperlink::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  Repaint();
  QLabel::enterEvent(event);
}

void Hyperlink::leaveEvent(QEvent* event) {
  hovered_ = false;
  Repaint();
  QLabel::leaveEvent(event);
}

void Hyperlink::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    ui::RunHandler([this] {
      // The same rule as for every address the program opens.
      visited_ = IsOpenableWebAddress(address_) &&
                 QDesktopServices::openUrl(QUrl(GbkToQString(address_)));
      Repaint();
    });
  }
  QLabel::mousePressEvent(event);
}

}  // namespace velmora::linux_ui
