#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "core/text.h"

namespace velmora {

// A response body: any bytes, NUL bytes included.
using ByteString = std::string;

// One HTTP GET, synchronous. Never throws and never prints: every failure
// gives the empty byte string, except a failure in the middle of the body,
// which gives what arrived before it.
class WebFetch {
 public:
  virtual ~WebFetch() = default;
  virtual ByteString ReadWebBytes(const Text& address) = 0;
};

// What one fetch may take, the same in both implementations: a dead or slow
// server, or one that redirects without end, cannot hold start-up back for
// longer than this.
struct FetchLimits {
  long connectMilliseconds = 10'000;
  long wholeExchangeMilliseconds = 30'000;  // slow bodies included
  long redirects = 5;                       // to http or https only
};

// WinINet on Windows, libcurl elsewhere.
std::unique_ptr<WebFetch> MakePlatformWebFetch(const FetchLimits& limits = {});

// Request values both implementations send.
inline constexpr char kFetchUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
// A reply's fields stand far before this; a larger body is cut here so a
// misbehaving server cannot exhaust memory.
inline constexpr std::size_t kMaxBodyBytes = 1024 * 1024;

// The address as sent: a fragment never goes to the server.
inline Text WithoutFragment(const Text& address) { return address.substr(0, address.find('#')); }

// The text of a byte string: the bytes before its first NUL byte.
inline Text BytesToText(const ByteString& bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace velmora
