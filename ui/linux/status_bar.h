#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace velmora::linux_ui {

// The status bar: one sunken part with one line of text, painted by hand so
// that a new text costs no relayout. At fast click rates a text is shown
// (painted, and handed to onShown) at most every kRefreshMs: no eye follows
// 100 texts a second. The last text is always shown, on a timer of its own,
// so a tick never waits for painting.
class StatusBar : public QWidget {
 public:
  static constexpr int kRefreshMs = 100;

  StatusBar(const QString& text, QWidget* parent);
  void SetText(const QString& text);
  const QString& Text() const { return text_; }
  // Shows the current text now.
  void Flush();

  // Each text as it is shown; the program publishes it for scripts.
  std::function<void(const QString&)> onShown;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString text_;
  QTimer refresh_;
  QElapsedTimer sinceShown_;
};

}  // namespace velmora::linux_ui
