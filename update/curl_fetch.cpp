// ReadWebBytes over libcurl, for every platform but Windows.
#include <algorithm>

#include <curl/curl.h>

#include <memory>

#include "update/web_fetch.h"

namespace velmora {
namespace {

struct CurlLibrary {
  CurlLibrary() { curl_global_init(CURL_GLOBAL_DEFAULT); }
  ~CurlLibrary() { curl_global_cleanup(); }
};

struct CurlEasyDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct CurlListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// Keeps at most kMaxBodyBytes; returning less than it was given makes curl
// stop the transfer and close the connection.
size_t AppendToBody(char* data, size_t size, size_t count, void* target) noexcept {
  auto& body = *static_cast<ByteString*>(target);
  const size_t offered = size * count;
  const size_t kept = std::min(offered, kMaxBodyBytes - body.size());
  try {
    body.append(data, kept);
  } catch (...) {
    return 0;
  }
  return kept;
}

class CurlWebFetch final : public WebFetch {
 public:
  explicit CurlWebFetch(const FetchLimits& limits) : limits_(limits) {}

  ByteString ReadWebBytes(const Text& address) override {
    if (address.empty()) return {};
    try {
      return Read(WithoutFragment(address));
    } catch (...) {
      return {};
    }
  }

 private:
  ByteString Read(const Text& address) const {
    static CurlLibrary library;
    std::unique_ptr<CURL, CurlEasyDeleter> curl(curl_easy_init());
    if (!curl) return {};
    curl_slist* rawHeaders = nullptr;
    for (const char* header : {"Accept: */*", "Pragma: no-cache", "Cache-Control: no-cache"}) {
      curl_slist* extended = curl_slist_append(rawHeaders, header);
      if (!extended) break;
      rawHeaders = extended;
    }
    std::unique_ptr<curl_slist, CurlListDeleter> headers(rawHeaders);

    ByteString body;
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(handle, CURLOPT_USERAGENT, kFetchUserAgent);
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    // An HTTP/1.0 server ends the body by closing the connection; reading to
    // that close keeps a body whose Content-Length is malformed, which curl
    // would otherwise throw away whole.
    curl_easy_setopt(handle, CURLOPT_IGNORE_CONTENT_LENGTH, 1L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_MAXREDIRS, limits_.redirects);
    curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, limits_.connectMilliseconds);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, limits_.wholeExchangeMilliseconds);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 1L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &AppendToBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    // The status code is never looked at: an error page's body is a body. A
    // transfer that breaks off or runs out of time leaves what arrived before
    // it; a redirect that may not be followed leaves nothing.
    const CURLcode result = curl_easy_perform(handle);
    if (result == CURLE_TOO_MANY_REDIRECTS || result == CURLE_UNSUPPORTED_PROTOCOL) return {};
    return body;
  }

  FetchLimits limits_;
};

}  // namespace

std::unique_ptr<WebFetch> MakePlatformWebFetch(const FetchLimits& limits) {
  return std::make_unique<CurlWebFetch>(limits);
}

}  // namespace velmora
