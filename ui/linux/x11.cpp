#include "ui/linux/x11.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>

namespace velmora::linux_ui {

X11Connection* X11Connection::Open(std::string& error) {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) {
    error = std::getenv("WAYLAND_DISPLAY")
                ? "velmora needs an X11 display: this Wayland session offers none (start XWayland, "
                  "or set DISPLAY)"
                : "velmora needs an X11 display: DISPLAY is not set";
    return nullptr;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    error = std::string("velmora needs an X11 display: cannot open DISPLAY=") + name;
    return nullptr;
  }
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
    XCloseDisplay(display);
    error = "velmora needs the X server's XTEST extension to click, and this server lacks it";
    return nullptr;
  }
  return new X11Connection(display);
}

X11Connection::~X11Connection() { XCloseDisplay(display_); }

}  // namespace velmora::linux_ui
