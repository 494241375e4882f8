#include "ui/linux/startup.h"

#include <QApplication>
#include <cstdio>

#include <unistd.h>

#include "ui/handlers.h"
#include "ui/linux/window_created.h"

namespace velmora::linux_ui {

void ExitLinuxProcess(int exitCode) {
  std::fflush(nullptr);
  _exit(exitCode);
}

int RunProgram(int argc, char** argv, const ProgramAddresses& addresses) {
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
