#pragma once

#include "update/update_check.h"

namespace velmora::linux_ui {

// Opens an address in the desktop's browser (xdg-open, through Qt).
void OpenWebPage(const Text& address);

// The update check's boxes, pages and ending on Linux.
class QtUpdateShell final : public UpdateShell {
 public:
  int ShowMessage(const Text& text, int flags, const Text& title) override;
  void OpenWebPage(const Text& address) override;
  void EndProgram(int exitCode) override;
};

}  // namespace velmora::linux_ui
