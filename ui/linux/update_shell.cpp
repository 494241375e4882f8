#include "ui/linux/update_shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/linux/gbk.h"
#include "ui/linux/message_box.h"
#include "ui/program_lifecycle.h"

namespace velmora::linux_ui {

void OpenWebPage(const Text& address) { QDesktopServices::openUrl(QUrl(GbkToQString(address))); }

int QtUpdateShell::ShowMessage(const Text& text, int flags, const Text& title) {
  return linux_ui::ShowMessage(text, flags, title);
}

void QtUpdateShell::OpenWebPage(const Text& address) { linux_ui::OpenWebPage(address); }

void QtUpdateShell::EndProgram(int exitCode) { ui::EndProgram(exitCode); }

}  // namespace velmora::linux_ui
