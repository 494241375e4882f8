#include "ui/win32/message_box.h"

#include <windows.h>

#include "core/message_box_values.h"
#include "ui/win32/gbk.h"

namespace velmora::win32 {

unsigned MessageBoxType(int flags) {
  const auto type = static_cast<unsigned>(flags);
  return (type & MB_SYSTEMMODAL) ? type : type | MB_TASKMODAL;
}

int ButtonValue(int messageBoxResult) {
  switch (messageBoxResult) {
    case IDOK:
      return message_box::kOk;
    case IDCANCEL:
      return message_box::kCancel;
    case IDABORT:
      return message_box::kAbort;
    case IDRETRY:
      return message_box::kRetry;
    case IDIGNORE:
      return message_box::kIgnore;
    case IDYES:
      return message_box::kYes;
    case IDNO:
      return message_box::kNo;
    default:
      return message_box::kOk;  // no box could be shown
  }
}

int ShowMessage(const Text& text, int flags, const Text& title) {
  return ButtonValue(MessageBoxW(nullptr, GbkToWide(text).c_str(), GbkToWide(title).c_str(),
                                 MessageBoxType(flags)));
}

}  // namespace velmora::win32
