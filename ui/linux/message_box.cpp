#include "ui/linux/message_box.h"

#include <QMessageBox>

#include "core/message_box_values.h"
#include "ui/linux/gbk.h"

namespace velmora::linux_ui {

int ShowMessage(const Text& text, int flags, const Text& title) {
  QMessageBox box;
  box.setWindowTitle(GbkToQString(title));
  box.setText(GbkToQString(text));
  switch (flags & message_box::kIconMask) {
    case message_box::kIconHand:
      box.setIcon(QMessageBox::Critical);
      break;
    case message_box::kIconQuestion:
      box.setIcon(QMessageBox::Question);
      break;
    case message_box::kIconExclamation:
      box.setIcon(QMessageBox::Warning);
      break;
    case message_box::kIconAsterisk:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      break;
  }
  const bool yesNo = (flags & message_box::kButtonsMask) == message_box::kYesNo;
  box.setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return message_box::kYes;
    case QMessageBox::No:
      return message_box::kNo;
    default:
      return message_box::kOk;
  }
}

}  // namespace velmora::linux_ui
