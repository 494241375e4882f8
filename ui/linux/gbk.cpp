#include "ui/linux/gbk.h"

#include <cerrno>

#include <iconv.h>

#include <string>

namespace velmora::linux_ui {
namespace {

// One converter per direction for the whole program: opening one costs far
// more than a tick's conversions. All use is on the user-interface thread.
class Converter {
 public:
  Converter(const char* to, const char* from) : converter_(iconv_open(to, from)) {}
  ~Converter() {
    if (Usable()) iconv_close(converter_);
  }
  bool Usable() const { return converter_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Reset() {
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    return converter_;
  }

 private:
  iconv_t converter_;
};

// A byte sequence that does not convert is skipped rather than ending the text.
std::string Convert(Converter& cached, const std::string& input) {
  if (!cached.Usable()) return {};
  iconv_t converter = cached.Reset();
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
  return output;
}

}  // namespace

QString GbkToQString(const Text& text) {
  static Converter toUtf8("UTF-8", "GBK");
  return QString::fromStdString(Convert(toUtf8, text));
}

Text QStringToGbk(const QString& text) {
  static Converter toGbk("GBK", "UTF-8");
  return Convert(toGbk, text.toStdString());
}

}  // namespace velmora::linux_ui
