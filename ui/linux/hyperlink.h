#pragma once

#include <QLabel>

#include "core/text.h"

namespace velmora::linux_ui {

// A link that changes colour under the pointer and opens its address in the
// desktop's browser (xdg-open, through Qt) when the left button goes down.
class Hyperlink : public QLabel {
 public:
  Hyperlink(const QString& caption, const Text& address, QWidget* parent);
  QColor Colour() const;

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Repaint();
  Text address_;
  bool hovered_ = false;
  bool visited_ = false;
};

}  // namespace velmora::linux_ui
