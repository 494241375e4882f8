#include "ui/linux/startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include <unistd.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include "ui/handlers.h"
#include "ui/linux/window_created.h"
#include "velmora/version.h"

namespace velmora::linux_ui {

void ExitLinuxProcess(int exitCode) {
  std::fflush(nullptr);
  _exit(exitCode);
}

namespace {

constexpr char kUsage[] =
    "Usage: velmora [--help | --version]\n"
    "Clicks the mouse for you: choose the mode, the interval and a limit in the\n"
    "window, then press Alt+D in any application to start, and again to stop.\n"
    "Needs an X11 display with the XTEST extension.\n";

// --help and --version answer without a window; anything else goes to Qt.
bool AnswersWithoutWindow(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      std::fputs(kUsage, stdout);
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("velmora %s\n", VELMORA_VERSION);
      return true;
    }
  }
  return false;
}

// Qt listens for XKB state changes on its own X connection, and every
// synthetic click changes the pointer-button part of that state: without
// this, Qt's reader thread and event loop woke four times a click for
// nothing that Qt uses (it follows modifiers and groups only).
void QuietPointerButtonStateEvents() {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return;
  XkbSelectEventDetails(display, XkbUseCoreKbd, XkbStateNotify, XkbPointerButtonMask, 0);
  XFlush(display);
}

}  // namespace

int RunProgram(int argc, char** argv, const ProgramAddresses& addresses) {
  if (AnswersWithoutWindow(argc, argv)) return 0;
  std::string error;
  std::unique_ptr<X11Connection> x11(X11Connection::Open(error));
  if (!x11) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  // X11 it must be: the hotkey grab and the synthetic clicks need it.
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  QApplication::setApplicationName("velmora");
  QuietPointerButtonStateEvents();

  auto program = std::make_unique<Program>(*x11, addresses);
  program->window.winId();  // a native window from the start, for the status property
  program->window.ShowStatusNow();  // the starting text is published from the start
  // Runs while the window is still invisible; it may end the program.
  ui::RunHandler([&] { OnWindowCreated(*program); });
  program->window.show();
  if (const auto ring = program->window.TabRing(); !ring.empty()) ring.front()->setFocus();
  const int exitCode = application.exec();

  program->lifecycle.ShutDown();
  program.reset();
  return exitCode;
}

}  // namespace velmora::linux_ui
