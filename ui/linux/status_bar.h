#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace velmora::linux_ui {

// The status bar: one sunken part with one line of text. Painted by hand so
// that a new text costs no relayout; and at fast click rates the text is
// painted at most every kRepaintMs (no eye follows 100 texts a second), the
// last one always.
class StatusBar : public QWidget {
 public:
  static constexpr int kRepaintMs = 40;

  StatusBar(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    repaint_.setSingleShot(true);
    connect(&repaint_, &QTimer::timeout, this, [this] { update(); });
    sincePaint_.start();
  }
  void SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    if (sincePaint_.elapsed() >= kRepaintMs) {
      update();
    } else if (!repaint_.isActive()) {
      repaint_.start(kRepaintMs - static_cast<int>(sincePaint_.elapsed()));
    }
  }
  const QString& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString text_;
  QTimer repaint_;
  QElapsedTimer sincePaint_;
};

}  // namespace velmora::linux_ui
