// ReadWebBytes over WinINet.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include <wininet.h>

#include "update/web_address.h"
#include "update/web_fetch.h"

namespace velmora {
namespace {

constexpr DWORD kCanonicalBufferBytes = 2084;
constexpr DWORD kHostChars = 256;
constexpr DWORD kPathChars = 2048;
constexpr DWORD kCredentialChars = 128;
constexpr DWORD kSchemeChars = 32;
constexpr DWORD kLargestPiece = 102400;
constexpr DWORD kPieceWithoutLength = 10240;

struct InternetHandleCloser {
  void operator()(void* handle) const { InternetCloseHandle(static_cast<HINTERNET>(handle)); }
};
using InternetHandle = std::unique_ptr<void, InternetHandleCloser>;

// One session for the whole program, opened by the first call that needs it
// and closed when the program ends. A failed open is tried again next time.
InternetHandle& Session() {
  static InternetHandle session;
  return session;
}

bool Canonicalize(const Text& address, std::string& canonical) {
  DWORD size = kCanonicalBufferBytes;
  canonical.assign(size, '\0');
  if (!InternetCanonicalizeUrlA(address.c_str(), canonical.data(), &size, ICU_NO_ENCODE)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    canonical.assign(size + 1, '\0');
    if (!InternetCanonicalizeUrlA(address.c_str(), canonical.data(), &size, ICU_NO_ENCODE)) {
      return false;
    }
  }
  canonical.resize(size);
  return true;
}

struct AddressParts {
  char scheme[kSchemeChars + 1] = {};
  char host[kHostChars + 1] = {};
  char path[kPathChars + 1] = {};
  char user[kCredentialChars + 1] = {};
  char password[kCredentialChars + 1] = {};
  INTERNET_PORT port = 0;
};

bool Split(const std::string& canonical, AddressParts& parts) {
  URL_COMPONENTSA components{};
  components.dwStructSize = sizeof components;
  components.lpszScheme = parts.scheme;
  components.dwSchemeLength = sizeof parts.scheme;
  components.lpszHostName = parts.host;
  components.dwHostNameLength = sizeof parts.host;
  components.lpszUrlPath = parts.path;  // no extra-info part: the query stays in the path
  components.dwUrlPathLength = sizeof parts.path;
  components.lpszUserName = parts.user;
  components.dwUserNameLength = sizeof parts.user;
  components.lpszPassword = parts.password;
  components.dwPasswordLength = sizeof parts.password;
  if (!InternetCrackUrlA(canonical.c_str(), 0, 0, &components)) return false;
  parts.port = components.nPort;
  return true;
}

// Content-Length's leading number (blanks and a sign allowed), plus one byte,
// bounds each read; without a usable length a fixed piece is read.
DWORD PieceSize(HINTERNET request) {
  char value[32] = {};
  DWORD size = sizeof value;
  if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, value, &size, nullptr)) {
    return kPieceWithoutLength;
  }
  const char* p = value;
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  unsigned long long length = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    length =
        std::min<unsigned long long>(length * 10 + static_cast<unsigned>(*p - '0'), kLargestPiece);
  }
  if (negative || length == 0) return kPieceWithoutLength;
  return static_cast<DWORD>(std::min<unsigned long long>(length + 1, kLargestPiece));
}

// Milliseconds since the system started; a deadline is a point on this clock.
using Deadline = ULONGLONG;

Deadline DeadlineAfter(long milliseconds) {
  return GetTickCount64() + static_cast<ULONGLONG>(std::max(milliseconds, 0L));
}

bool Passed(Deadline deadline) { return GetTickCount64() >= deadline; }

// Milliseconds left until the deadline, at least 1 so that WinINet never
// reads 0 as "no time-out".
DWORD RemainingMilliseconds(Deadline deadline) {
  const ULONGLONG now = GetTickCount64();
  return now >= deadline ? 1 : static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, MAXDWORD));
}

void SetTimeout(HINTERNET handle, DWORD option, DWORD milliseconds) {
  InternetSetOptionA(handle, option, &milliseconds, sizeof milliseconds);
}

bool IsRedirect(DWORD status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

DWORD StatusCode(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size,
                      nullptr)) {
    return 0;
  }
  return status;
}

// The address a redirect leads to, resolved against the address asked for:
// none when the response names no Location (its body is then the result),
// empty when the Location is too long to follow or cannot be resolved.
std::optional<Text> RedirectTarget(HINTERNET request, const Text& from) {
  std::string location(kCanonicalBufferBytes, '\0');
  DWORD size = static_cast<DWORD>(location.size());
  if (!HttpQueryInfoA(request, HTTP_QUERY_LOCATION, location.data(), &size, nullptr)) {
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER ? std::optional<Text>(Text())
                                                       : std::nullopt;
  }
  location.resize(size);
  std::string target(kCanonicalBufferBytes, '\0');
  size = static_cast<DWORD>(target.size());
  if (!InternetCombineUrlA(from.c_str(), location.c_str(), target.data(), &size, ICU_NO_ENCODE)) {
    return {};
  }
  target.resize(size);
  return target;
}

// One exchange: the request sent and its headers received. Null on failure.
struct Exchange {
  InternetHandle connection;
  InternetHandle request;  // declared last: closed before the connection
};

Exchange Send(const Text& address, const FetchLimits& limits, Deadline deadline) {
  std::string canonical;
  if (!Canonicalize(address, canonical)) return {};
  AddressParts parts;
  if (!Split(canonical, parts)) return {};

  InternetHandle& session = Session();
  if (!session) {
    session.reset(InternetOpenA(kFetchUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!session) return {};
  }
  Exchange exchange;
  exchange.connection.reset(InternetConnectA(static_cast<HINTERNET>(session.get()), parts.host,
                                             parts.port, parts.user, parts.password,
                                             INTERNET_SERVICE_HTTP, 0, 0));
  if (!exchange.connection) return {};
  HINTERNET connection = static_cast<HINTERNET>(exchange.connection.get());

  // The system's own proxy configuration applies to every request.
  INTERNET_PROXY_INFO proxy{};
  proxy.dwAccessType = INTERNET_OPEN_TYPE_PRECONFIG;
  InternetSetOptionA(static_cast<HINTERNET>(session.get()), INTERNET_OPTION_PROXY, &proxy,
                     sizeof proxy);
  char emptyCredential[] = "";
  InternetSetOptionA(connection, INTERNET_OPTION_PROXY_USERNAME, emptyCredential, 1);
  InternetSetOptionA(connection, INTERNET_OPTION_PROXY_PASSWORD, emptyCredential, 1);

  const std::string path = WithoutFragment(parts.path);
  const char* acceptTypes[] = {"Accept: */* \r\n", nullptr};
  // Redirects are followed here, not by WinINet, which knows no limit.
  exchange.request.reset(HttpOpenRequestA(
      connection, "GET", path.c_str(), "HTTP/1.0", nullptr, acceptTypes,
      INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT, 0));
  if (!exchange.request) return {};
  HINTERNET request = static_cast<HINTERNET>(exchange.request.get());
  const DWORD left = RemainingMilliseconds(deadline);
  SetTimeout(request, INTERNET_OPTION_CONNECT_TIMEOUT,
             std::min<DWORD>(left, static_cast<DWORD>(std::max(limits.connectMilliseconds, 1L))));
  SetTimeout(request, INTERNET_OPTION_SEND_TIMEOUT, left);
  SetTimeout(request, INTERNET_OPTION_RECEIVE_TIMEOUT, left);
  static const char kExtraHeaders[] = "Accept: */*\r\n\r\n";
  if (!HttpSendRequestA(request, kExtraHeaders, sizeof kExtraHeaders - 1, nullptr, 0)) return {};
  return exchange;
}

// Reads the body until its end, a failure, kMaxBodyBytes or the deadline.
// Each wait for data is bounded by the time left, so a server that trickles
// cannot stretch the exchange.
ByteString ReadBody(HINTERNET request, Deadline deadline) {
  const DWORD piece = PieceSize(request);
  std::vector<char> buffer(piece);
  ByteString body;
  while (body.size() < kMaxBodyBytes && !Passed(deadline)) {
    SetTimeout(request, INTERNET_OPTION_RECEIVE_TIMEOUT, RemainingMilliseconds(deadline));
    DWORD available = 0;
    if (!InternetQueryDataAvailable(request, &available, 0, 0) || available == 0) break;
    DWORD received = 0;
    if (!InternetReadFile(request, buffer.data(), std::min(available, piece), &received) ||
        received == 0) {
      break;
    }
    body.append(buffer.data(), std::min<size_t>(received, kMaxBodyBytes - body.size()));
  }
  return body;
}

ByteString Read(Text address, const FetchLimits& limits) {
  const Deadline deadline = DeadlineAfter(limits.wholeExchangeMilliseconds);
  for (int redirects = 0;; ++redirects) {
    const Exchange exchange = Send(address, limits, deadline);
    if (!exchange.request) return {};
    HINTERNET request = static_cast<HINTERNET>(exchange.request.get());
    if (IsRedirect(StatusCode(request))) {
      if (std::optional<Text> target = RedirectTarget(request, address)) {
        // Too many, too long, or to anything but the web: nothing at all.
        if (redirects == limits.redirects || !HasWebScheme(*target)) return {};
        address = std::move(*target);
        continue;
      }
    }
    return ReadBody(request, deadline);
  }
}

class WinInetWebFetch final : public WebFetch {
 public:
  explicit WinInetWebFetch(const FetchLimits& limits) : limits_(limits) {}

  ByteString ReadWebBytes(const Text& address) override {
    if (address.empty()) return {};
    try {
      return Read(address, limits_);
    } catch (...) {
      return {};  // no read buffer to be had
    }
  }

 private:
  FetchLimits limits_;
};

}  // namespace

std::unique_ptr<WebFetch> MakePlatformWebFetch(const FetchLimits& limits) {
  return std::make_unique<WinInetWebFetch>(limits);
}

}  // namespace velmora
