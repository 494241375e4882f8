#include "ui/win32/startup.h"

#include <algorithm>

#include <float.h>

#include <memory>

#include <ole2.h>

#include <string>
#include <vector>

#include "ui/handlers.h"
#include "ui/win32/keyboard.h"

namespace velmora::win32 {
namespace {

// Relative paths resolve beside the program file, wherever it was started from.
void EnterProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const auto slash = path.find_last_of(L'\\');
  if (slash == std::wstring::npos) return;
  path.resize(slash);
  SetCurrentDirectoryW(path.c_str());
}

}  // namespace

void ExitWindowsProcess(int exitCode) {
  OleUninitialize();
  ExitProcess(static_cast<UINT>(exitCode));
}

int RunMessageLoop(MainWindow& window) {
  window.QuitWhenDestroyed(true);
  MSG message;
  int result;
  while ((result = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (result == -1) break;
    if (PreTranslateKeyboard(window, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  window.QuitWhenDestroyed(false);
  return result == 0 ? static_cast<int>(message.wParam) : 0;
}

int RunProgram(HINSTANCE instance, const ProgramAddresses& addresses, CreatedHandler onCreated) {
  OleInitialize(nullptr);
  EnterProgramFolder();
  _fpreset();  // floating point in its default state: exceptions masked, round to nearest

  MainWindow::RegisterClasses(instance);
  auto program = std::make_unique<Program>(instance, addresses);
  // Runs while the window is still invisible; it may end the program.
  if (onCreated) ui::RunHandler([&] { onCreated(*program); });
  if (HWND window = program->window.Handle()) ShowWindow(window, SW_SHOW);

  int exitCode = 0;
  if (program->window.Handle()) exitCode = RunMessageLoop(program->window);

  program->lifecycle.ShutDown();
  program.reset();
  OleUninitialize();
  return exitCode;
}

}  // namespace velmora::win32
