#include "ui/win32/gbk.h"

#include <windows.h>

namespace velmora::win32 {
namespace {
constexpr UINT kGbkCodePage = 936;
}

std::wstring GbkToWide(const Text& text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                      length);
  return wide;
}

Text WideToGbk(const std::wstring& text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(
      kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  Text gbk(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), gbk.data(),
                      length, nullptr, nullptr);
  return gbk;
}

}  // namespace velmora::win32
