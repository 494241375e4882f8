// Waits for a top-level window whose name begins with the given text to be
// mapped, and prints the monotonic clock at that MapNotify in microseconds:
// the moment a user could see the window, without polling for it.
//   map_watch <name prefix>      prints "READY" once it watches
#include <X11/Xlib.h>
#include <time.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 3;
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);
  std::printf("READY\n");
  std::fflush(stdout);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != MapNotify) continue;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char* name = nullptr;
    if (XFetchName(display, event.xmap.window, &name) && name) {
      const bool matches = std::strncmp(name, argv[1], std::strlen(argv[1])) == 0;
      XFree(name);
      if (matches) {
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000);
        std::fflush(stdout);
        XCloseDisplay(display);
        return 0;
      }
    }
  }
}
