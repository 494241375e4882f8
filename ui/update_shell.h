#pragma once

#include "update/update_check.h"

namespace velmora::ui {

// The update check's boxes, pages and ending in the running program. Each
// shell defines ShowMessage and OpenWebPage in its own update_shell.cpp;
// the ending is the program lifecycle's.
class PlatformUpdateShell final : public UpdateShell {
 public:
  int ShowMessage(const Text& text, int flags, const Text& title) override;
  void OpenWebPage(const Text& address) override;
  void EndProgram(int exitCode) override;
};

}  // namespace velmora::ui
