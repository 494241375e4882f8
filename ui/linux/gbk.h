#pragma once

#include <QString>

#include "core/text.h"

namespace velmora::linux_ui {

// Texts stay GBK inside the program and become Unicode only where they cross
// into Qt.
QString GbkToQString(const Text& text);
Text QStringToGbk(const QString& text);

}  // namespace velmora::linux_ui
