#include "ui/linux/startup.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

#include <unistd.h>

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
