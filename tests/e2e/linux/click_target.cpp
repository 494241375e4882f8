// A plain X window of the tests' own that Velmora clicks: it logs every
// button press and release with its root coordinates, the server's time in
// milliseconds and, for measurements finer than that, the monotonic clock
// in microseconds when the event was read, one line each.
//   click_target <log file> <left> <top> <width> <height>
#include <X11/Xlib.h>

#include <time.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 6) return 2;
  FILE* log = std::fopen(argv[1], "w");
  Display* display = XOpenDisplay(nullptr);
  if (!log || !display) return 3;
  const int screen = DefaultScreen(display);
  XSetWindowAttributes attributes{};
  attributes.background_pixel = WhitePixel(display, screen);
  attributes.event_mask = ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
  Window window =
      XCreateWindow(display, RootWindow(display, screen), std::atoi(argv[2]), std::atoi(argv[3]),
                    std::atoi(argv[4]), std::atoi(argv[5]), 0, CopyFromParent, InputOutput,
                    CopyFromParent, CWBackPixel | CWEventMask, &attributes);
  XStoreName(display, window, "click target");
  XMapRaised(display, window);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify) {
      std::fprintf(log, "READY\n");
    } else if (event.type == ButtonPress || event.type == ButtonRelease) {
      const unsigned button = event.xbutton.button;
      const char* name = button == Button1 ? "L" : button == Button3 ? "R" : "O";
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      const long long micros = static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
      std::fprintf(log, "%s%s %d %d %lu %lld\n", name, event.type == ButtonPress ? "DOWN" : "UP",
                   event.xbutton.x_root, event.xbutton.y_root, event.xbutton.time, micros);
    }
    std::fflush(log);
  }
}
