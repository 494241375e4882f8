// Holds Alt+D for itself, as another program might, until it is ended.
//   hotkey_holder.exe <flag file written once Alt+D is held>
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  HWND window = CreateWindowExW(0, L"STATIC", L"hotkey holder", WS_POPUP, 0, 0, 1, 1, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!RegisterHotKey(window, 1, MOD_ALT, 'D')) return 1;
  if (FILE* flag = std::fopen(argv[1], "w")) {
    std::fputs("held\n", flag);
    std::fclose(flag);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
