#include "ui/update_shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/linux/gbk.h"
#include "ui/linux/message_box.h"

namespace velmora::ui {

int PlatformUpdateShell::ShowMessage(const Text& text, int flags, const Text& title) {
  return linux_ui::ShowMessage(text, flags, title);
}

// The desktop's browser, through xdg-open.
void PlatformUpdateShell::OpenWebPage(const Text& address) {
  QDesktopServices::openUrl(QUrl(linux_ui::GbkToQString(address)));
}

}  // namespace velmora::ui
