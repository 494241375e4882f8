#include "ui/win32/message_box.h"

#include <windows.h>

#include "ui/win32/gbk.h"

namespace velmora::win32 {

unsigned MessageBoxType(int flags) {
  const auto type = static_cast<unsigned>(flags);
  return (type & MB_SYSTEMMODAL) ? type : type | MB_TASKMODAL;
}

int ButtonValue(int messageBoxResult) {
  switch (messageBoxResult) {
    case IDOK:
      return 0;
    case IDCANCEL:
      return 1;
    case IDABORT:
      return 2;
    case IDRETRY:
      return 3;
    case IDIGNORE:
      return 4;
    case IDYES:
      return 5;
    case IDNO:
      return 6;
    default:
      return 0;
  }
}

int ShowMessage(const Text& text, int flags, const Text& title) {
  return ButtonValue(MessageBoxW(nullptr, GbkToWide(text).c_str(), GbkToWide(title).c_str(),
                                 MessageBoxType(flags)));
}

}  // namespace velmora::win32
