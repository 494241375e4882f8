#include "ui/linux/gbk.h"

#include <cerrno>

#include <iconv.h>

#include <string>

namespace velmora::linux_ui {
namespace {

// Converts with iconv; a byte sequence that does not convert is skipped
// rather than ending the text.
std::string Convert(const char* to, const char* from, const std::string& input) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  std::string output;
  char buffer[1024];
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    output.append(buffer, sizeof buffer - outLeft);
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      ++in;  // EILSEQ or EINVAL: step over the bad byte
      --inLeft;
    }
  }
  iconv_close(converter);
  return output;
}

}  // namespace

QString GbkToQString(const Text& text) {
  return QString::fromStdString(Convert("UTF-8", "GBK", text));
}

Text QStringToGbk(const QString& text) { return Convert("GBK", "UTF-8", text.toStdString()); }

}  // namespace velmora::linux_ui
