#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <cstdio>

#include <unistd.h>

#include "ui/handlers.h"
#include "ui/linux/gbk.h"
#include "ui/linux/program.h"

namespace velmora::linux_ui {
namespace {

class QtUpdateShell final : public UpdateShell {
 public:
  int ShowMessage(const Text& text, int flags, const Text& title) override {
    return linux_ui::ShowMessage(text, flags, title);
  }
  void OpenWebPage(const Text& address) override;
  void EndProgram(int exitCode) override { ui::EndProgram(exitCode); }
};

}  // namespace

void QtUpdateShell::OpenWebPage(const Text& address) {
  QDesktopServices::openUrl(QUrl(GbkToQString(address)));
}

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
  {
    const auto fetch = MakePlatformWebFetch();
    QtUpdateShell shell;
    ui::RunHandler([&] {
      ui::OnWindowCreated(
          program->port, program->state,
          [&](int modifiers, int keyCode) {
            return program->hotkeys.Register(
                modifiers, keyCode,
                [&clickControl = program->clickControl](std::int32_t id, std::int32_t second) {
                  clickControl.OnHotkey(id, second);
                });
          },
          addresses, *fetch, shell);
    });
  }
  program->window.show();
  if (const auto ring = program->window.TabRing(); !ring.empty()) ring.front()->setFocus();
  const int exitCode = application.exec();

  program->lifecycle.ShutDown();
  program.reset();
  return exitCode;
}

}  // namespace velmora::linux_ui
