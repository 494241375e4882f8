// Holds Alt+D on the root window, as another client might, until ended.
//   key_grabber <flag file written once the grab holds>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>
#include <initializer_list>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 3;
  const KeyCode d = XKeysymToKeycode(display, XK_d);
  for (unsigned extra : {0u, static_cast<unsigned>(LockMask), static_cast<unsigned>(Mod2Mask),
                         static_cast<unsigned>(LockMask | Mod2Mask)}) {
    XGrabKey(display, d, Mod1Mask | extra, DefaultRootWindow(display), False, GrabModeAsync,
             GrabModeAsync);
  }
  XSync(display, False);
  if (FILE* flag = std::fopen(argv[1], "w")) {
    std::fputs("held\n", flag);
    std::fclose(flag);
  }
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
  }
}
