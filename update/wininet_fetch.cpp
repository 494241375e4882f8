// ReadWebBytes over WinINet.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include <wininet.h>

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

ByteString Read(const Text& address) {
  std::string canonical;
  if (!Canonicalize(address, canonical)) return {};
  AddressParts parts;
  if (!Split(canonical, parts)) return {};

  InternetHandle& session = Session();
  if (!session) {
    session.reset(InternetOpenA(kFetchUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!session) return {};
  }
  InternetHandle connection(InternetConnectA(static_cast<HINTERNET>(session.get()), parts.host,
                                             parts.port, parts.user, parts.password,
                                             INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return {};

  // The system's own proxy configuration applies to every request.
  INTERNET_PROXY_INFO proxy{};
  proxy.dwAccessType = INTERNET_OPEN_TYPE_PRECONFIG;
  InternetSetOptionA(static_cast<HINTERNET>(session.get()), INTERNET_OPTION_PROXY, &proxy,
                     sizeof proxy);
  char emptyCredential[] = "";
  InternetSetOptionA(static_cast<HINTERNET>(connection.get()), INTERNET_OPTION_PROXY_USERNAME,
                     emptyCredential, 1);
  InternetSetOptionA(static_cast<HINTERNET>(connection.get()), INTERNET_OPTION_PROXY_PASSWORD,
                     emptyCredential, 1);

  const std::string path = WithoutFragment(parts.path);
  const char* acceptTypes[] = {"Accept: */* \r\n", nullptr};
  InternetHandle request(HttpOpenRequestA(static_cast<HINTERNET>(connection.get()), "GET",
                                          path.c_str(), "HTTP/1.0", nullptr, acceptTypes,
                                          INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0));
  if (!request) return {};
  static const char kExtraHeaders[] = "Accept: */*\r\n\r\n";
  if (!HttpSendRequestA(static_cast<HINTERNET>(request.get()), kExtraHeaders,
                        sizeof kExtraHeaders - 1, nullptr, 0)) {
    return {};
  }

  const DWORD piece = PieceSize(static_cast<HINTERNET>(request.get()));
  std::vector<char> buffer(piece);
  ByteString body;
  for (;;) {
    DWORD received = 0;
    if (!InternetReadFile(static_cast<HINTERNET>(request.get()), buffer.data(), piece, &received) ||
        received == 0) {
      break;
    }
    const size_t kept = std::min<size_t>(received, kMaxBodyBytes - body.size());
    body.append(buffer.data(), kept);
    if (body.size() == kMaxBodyBytes) break;
  }
  return body;  // the request handle closes before the connection's
}

class WinInetWebFetch final : public WebFetch {
 public:
  ByteString ReadWebBytes(const Text& address) override {
    if (address.empty()) return {};
    try {
      return Read(address);
    } catch (...) {
      return {};  // no read buffer to be had
    }
  }
};

}  // namespace

std::unique_ptr<WebFetch> MakePlatformWebFetch() { return std::make_unique<WinInetWebFetch>(); }

}  // namespace velmora
