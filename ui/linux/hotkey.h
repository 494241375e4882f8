#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/linux/x11.h"

namespace velmora::linux_ui {

// System-wide hotkeys grabbed on the X root window, so they work whichever
// application has the focus. Identifiers follow the Windows program's rules:
// the first registration gets 33001, each later one the next number, whether
// it succeeded or not; the most recent registration's feedback serves all.
class GlobalHotkeys : public QObject {
 public:
  using Feedback = std::function<void(std::int32_t identifier, std::int32_t second)>;

  explicit GlobalHotkeys(X11Connection& x11);
  ~GlobalHotkeys() override;

  // modifierWord: 1 Ctrl, 2 Shift, 4 Alt; keyCode: a Windows virtual-key code
  // (letters and digits). Returns the identifier, or 0 when the X server
  // refused the grab (another client holds the key).
  int Register(int modifierWord, int keyCode, Feedback feedback);

 private:
  struct Grab {
    int identifier;
    unsigned keycode;
    unsigned modifiers;
  };
  void DrainEvents();

  X11Connection& x11_;
  std::vector<Grab> grabs_;
  int lastSerial_ = 0;
  Feedback feedback_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace velmora::linux_ui
