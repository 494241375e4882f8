#pragma once

#include "update/update_check.h"

namespace velmora::win32 {

// Opens an address in the browser through the shell.
void OpenWebPage(const Text& address);

// The update check's boxes, pages and ending on Windows.
class Win32UpdateShell final : public UpdateShell {
 public:
  int ShowMessage(const Text& text, int flags, const Text& title) override;
  void OpenWebPage(const Text& address) override;
  void EndProgram(int exitCode) override;
};

}  // namespace velmora::win32
