#include "ui/linux/status_bar.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace velmora::linux_ui {

void StatusBar::paintEvent(QPaintEvent*) {
  sincePaint_.restart();
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
