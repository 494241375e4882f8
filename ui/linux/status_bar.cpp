#include "ui/linux/status_bar.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace velmora::linux_ui {

StatusBar::StatusBar(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
  refresh_.setSingleShot(true);
  connect(&refresh_, &QTimer::timeout, this, [this] { Flush(); });
  sinceShown_.start();
}

void StatusBar::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  if (sinceShown_.elapsed() >= kRefreshMs) {
    Flush();
  } else if (!refresh_.isActive()) {
    refresh_.start(kRefreshMs - static_cast<int>(sinceShown_.elapsed()));
  }
}

void StatusBar::Flush() {
  refresh_.stop();
  sinceShown_.restart();
  update();
  if (onShown) onShown(text_);
}

void StatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionFrame frame;
  frame.initFrom(this);
  frame.frameShape = QFrame::Panel;
  frame.state |= QStyle::State_Sunken;
  frame.lineWidth = 1;
  style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
  painter.drawText(rect().adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, text_);
}

}  // namespace velmora::linux_ui
