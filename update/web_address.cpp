#include "update/web_address.h"

#include <string_view>

namespace velmora {
namespace {

constexpr std::string_view kCommandLineBreakers = " \"<>\\^`{|}";
constexpr std::size_t kMaxPortDigits = 5;

bool IsSafeByte(unsigned char byte) {
  if (byte <= 0x20 || byte >= 0x7F) return false;  // control bytes, space, DEL, non-ASCII
  return kCommandLineBreakers.find(static_cast<char>(byte)) == std::string_view::npos;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix) {
  if (text.size() < lowerPrefix.size()) return false;
  for (std::size_t i = 0; i < lowerPrefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerPrefix[i]) return false;
  }
  return true;
}

bool IsDigits(std::string_view text) {
  return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The authority is [user[:password]@]host[:port]; the host may be an IPv6
// literal in brackets. True when a host is there and the port is a number.
bool HasHost(std::string_view authority) {
  if (const auto at = authority.rfind('@'); at != std::string_view::npos) {
    authority.remove_prefix(at + 1);
  }
  std::string_view host = authority;
  std::string_view port;
  if (authority.starts_with('[')) {
    const auto close = authority.find(']');
    if (close == std::string_view::npos) return false;
    host = authority.substr(1, close - 1);
    const std::string_view rest = authority.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return false;
      port = rest.substr(1);
    }
  } else if (const auto colon = authority.find(':'); colon != std::string_view::npos) {
    host = authority.substr(0, colon);
    port = authority.substr(colon + 1);
  }
  return !host.empty() && IsDigits(port) && port.size() <= kMaxPortDigits;
}

// The length of the address's "http://" or "https://", else 0.
std::size_t WebSchemeLength(std::string_view address) {
  if (StartsWithIgnoringCase(address, "http://")) return 7;
  if (StartsWithIgnoringCase(address, "https://")) return 8;
  return 0;
}

}  // namespace

bool HasWebScheme(const Text& address) { return WebSchemeLength(address) != 0; }

bool IsOpenableWebAddress(const Text& address) {
  if (address.size() > kMaxOpenableAddressBytes) return false;
  for (const char byte : address) {
    if (!IsSafeByte(static_cast<unsigned char>(byte))) return false;
  }
  const std::size_t schemeLength = WebSchemeLength(address);
  if (schemeLength == 0) return false;
  const std::string_view rest = std::string_view(address).substr(schemeLength);
  return HasHost(rest.substr(0, rest.find_first_of("/?#")));
}

}  // namespace velmora
