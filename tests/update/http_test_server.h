#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velmora::testing {

// A deliberately small HTTP server on 127.0.0.1 for the fetch tests. Every
// connection gets the same raw response bytes, sent as given (so a test can
// send a broken length or cut the body short), and then the connection is
// closed. Requests are recorded as they arrived. A pacing makes the server
// slow on purpose: it may send only the first bytes at once and the rest one
// at a time, and may hold the connection open after the last byte.
struct Pacing {
  std::size_t burstBytes = std::string::npos;  // sent at once; the rest byte by byte
  int betweenLaterMilliseconds = 0;
  bool holdOpen = false;  // until the server stops
};

class HttpTestServer {
 public:
  explicit HttpTestServer(std::string rawResponse, Pacing pacing = {});
  ~HttpTestServer();
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  int Port() const { return port_; }
  std::string Address(const std::string& pathAndQuery) const;
  std::vector<std::string> Requests();

  // A port on 127.0.0.1 that nothing listens on.
  static int ClosedPort();

 private:
  void Serve();
  void Answer(std::intptr_t client);

  bool Send(std::intptr_t client, const char* data, std::size_t size);
  void PauseUnlessStopping(int milliseconds);

  std::string response_;
  Pacing pacing_;
  std::intptr_t listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace velmora::testing
