#pragma once

#include <string>

// Xlib's names stay in this file's implementation: its macros clash with Qt's.
typedef struct _XDisplay Display;

namespace velmora::linux_ui {

// The program's own connection to the X server, for the global hotkey, the
// synthetic mouse and the status property. Qt keeps its own.
class X11Connection {
 public:
  // Opens the display named by DISPLAY; on failure, error says why.
  static X11Connection* Open(std::string& error);
  ~X11Connection();
  Display* display() const { return display_; }

 private:
  explicit X11Connection(Display* display) : display_(display) {}
  Display* display_;
};

}  // namespace velmora::linux_ui
