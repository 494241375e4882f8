#include "tests/update/http_test_server.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using SocketLength = int;
constexpr int kSendFlags = 0;
void CloseSocket(std::intptr_t s) { closesocket(static_cast<SOCKET>(s)); }
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>
using SocketLength = socklen_t;
constexpr int kSendFlags = MSG_NOSIGNAL;  // a client that stops reading must not kill the tests
void CloseSocket(std::intptr_t s) { close(static_cast<int>(s)); }
#endif

namespace velmora::testing {
namespace {

#ifdef _WIN32
struct WinsockUser {
  WinsockUser() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
};
#endif

std::intptr_t ListenOnLoopback(int& port) {
#ifdef _WIN32
  static WinsockUser winsock;
#endif
  const auto s = static_cast<std::intptr_t>(socket(AF_INET, SOCK_STREAM, 0));
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  SocketLength length = sizeof address;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 8) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    CloseSocket(s);
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  port = ntohs(address.sin_port);
  return s;
}

bool Readable(std::intptr_t s, int milliseconds) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval timeout{milliseconds / 1000, (milliseconds % 1000) * 1000};
  return select(static_cast<int>(s) + 1, &set, nullptr, nullptr, &timeout) > 0;
}

}  // namespace

HttpTestServer::HttpTestServer(std::string rawResponse, Pacing pacing)
    : response_(std::move(rawResponse)), pacing_(pacing) {
  listener_ = ListenOnLoopback(port_);
  thread_ = std::thread([this] { Serve(); });
}

HttpTestServer::~HttpTestServer() {
  stopping_ = true;
  thread_.join();
  CloseSocket(listener_);
}

std::string HttpTestServer::Address(const std::string& pathAndQuery) const {
  return "http://127.0.0.1:" + std::to_string(port_) + pathAndQuery;
}

std::vector<std::string> HttpTestServer::Requests() {
  std::lock_guard lock(mutex_);
  return requests_;
}

int HttpTestServer::ClosedPort() {
  int port = 0;
  CloseSocket(ListenOnLoopback(port));
  return port;
}

void HttpTestServer::Serve() {
  while (!stopping_) {
    if (!Readable(listener_, 50)) continue;
    const auto client = static_cast<std::intptr_t>(accept(listener_, nullptr, nullptr));
    if (client < 0) continue;
    Answer(client);
    CloseSocket(client);
  }
}

void HttpTestServer::Answer(std::intptr_t client) {
  std::string request;
  char buffer[4096];
  while (request.find("\r\n\r\n") == std::string::npos && Readable(client, 5000)) {
    const auto received = recv(client, buffer, sizeof buffer, 0);
    if (received <= 0) break;
    request.append(buffer, static_cast<std::size_t>(received));
  }
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
  }
  const std::size_t burst = std::min(pacing_.burstBytes, response_.size());
  bool open = Send(client, response_.data(), burst);
  for (std::size_t i = burst; open && i < response_.size() && !stopping_; ++i) {
    PauseUnlessStopping(pacing_.betweenLaterMilliseconds);
    open = Send(client, response_.data() + i, 1);
  }
  while (pacing_.holdOpen && !stopping_) PauseUnlessStopping(20);
}

bool HttpTestServer::Send(std::intptr_t client, const char* data, std::size_t size) {
  std::size_t sent = 0;
  while (sent < size && !stopping_) {
    const auto chunk = send(client, data + sent,
                            static_cast<int>(std::min<std::size_t>(size - sent, 65536)), kSendFlags);
    if (chunk <= 0) return false;
    sent += static_cast<std::size_t>(chunk);
  }
  return sent == size;
}

void HttpTestServer::PauseUnlessStopping(int milliseconds) {
  // In short steps, so that a stopping server does not wait out the pause.
  constexpr int kStep = 20;
  for (int waited = 0; waited < milliseconds && !stopping_; waited += kStep) {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(kStep, milliseconds - waited)));
  }
}

}  // namespace velmora::testing
