#include "update/web_fetch.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "tests/update/http_test_server.h"

namespace velmora::testing {
namespace {

std::string Pattern(std::size_t length) {
  std::string bytes(length, '\0');
  for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>('a' + i % 26);
  return bytes;
}

struct FetchCase {
  const char* name;
  std::string response;
  std::string expectedBody;
  std::string pathAndQuery = "/client/api.asp?code=10022";
  std::string expectedTarget = "/client/api.asp?code=10022";
};

class ReadWebBytesTable : public ::testing::TestWithParam<FetchCase> {};

TEST_P(ReadWebBytesTable, SendsAnHttp10GetAndReturnsTheBody) {
  const FetchCase& c = GetParam();
  HttpTestServer server(c.response);
  const ByteString body = MakePlatformWebFetch()->ReadWebBytes(server.Address(c.pathAndQuery));

  EXPECT_EQ(body.size(), c.expectedBody.size());
  EXPECT_TRUE(body == c.expectedBody);
  const auto requests = server.Requests();
  ASSERT_FALSE(requests.empty());
  const std::string& request = requests.front();
  EXPECT_EQ(request.rfind("GET " + c.expectedTarget + " HTTP/1.0\r\n", 0), 0u) << request;
  EXPECT_NE(request.find("\r\nUser-Agent: " + std::string(kFetchUserAgent) + "\r\n"),
            std::string::npos)
      << request;
  EXPECT_NE(request.find("\r\nAccept: */*"), std::string::npos) << request;
}

const std::string k200k = Pattern(200000);
const std::string kOverLimit = Pattern(kMaxBodyBytes + 300000);

INSTANTIATE_TEST_SUITE_P(
    Responses, ReadWebBytesTable,
    ::testing::Values(
        FetchCase{"LengthFive", "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello", "hello"},
        FetchCase{"LengthZero", "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n", ""},
        FetchCase{"LengthMissing", "HTTP/1.0 200 OK\r\n\r\n" + Pattern(30000), Pattern(30000)},
        FetchCase{"LengthNotANumber", "HTTP/1.0 200 OK\r\nContent-Length: abc\r\n\r\nbody", "body"},
        FetchCase{"LengthLarge", "HTTP/1.0 200 OK\r\nContent-Length: 200000\r\n\r\n" + k200k,
                  k200k},
        FetchCase{"NotFoundKeepsItsBody",
                  "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<html>gone</html>",
                  "<html>gone</html>"},
        FetchCase{"CutAfterPartOfTheBody",
                  "HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + Pattern(100), Pattern(100)},
        FetchCase{"NulBytesKept",
                  std::string("HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\na\0b\0c", 43),
                  std::string("a\0b\0c", 5)},
        FetchCase{"BodyOverOneMebibyteIsCut", "HTTP/1.0 200 OK\r\n\r\n" + kOverLimit,
                  kOverLimit.substr(0, kMaxBodyBytes)},
        FetchCase{"FragmentNeverSent", "HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok", "ok",
                  "/client/api.asp?code=10022#top", "/client/api.asp?code=10022"}),
    [](const ::testing::TestParamInfo<FetchCase>& info) { return info.param.name; });

// Short limits, so that the bounded cases run in seconds.
const FetchLimits kShortLimits{.connectMilliseconds = 1000, .wholeExchangeMilliseconds = 2000};
// Far above the limits: a fetch that is still going then is not bounded.
constexpr std::time_t kGenerousBoundSeconds = 20;

const std::string kTrickleHeaders = "HTTP/1.0 200 OK\r\nContent-Length: 400\r\n\r\n";
const std::string kRedirectToSelf =
    "HTTP/1.0 302 Found\r\nLocation: /loop\r\nContent-Length: 4\r\n\r\nloop";

struct BoundCase {
  const char* name;
  std::string response;
  Pacing pacing;
  std::size_t maxRequests;  // a fetcher may give up earlier, never later
  std::string fullBody;  // what an unbounded fetch would return; "" for nothing
};

class ReadWebBytesBounds : public ::testing::TestWithParam<BoundCase> {};

TEST_P(ReadWebBytesBounds, GivesUpInTime) {
  const BoundCase& c = GetParam();
  HttpTestServer server(c.response, c.pacing);
  const std::time_t started = std::time(nullptr);
  const ByteString body = MakePlatformWebFetch(kShortLimits)->ReadWebBytes(server.Address("/"));
  EXPECT_LT(std::time(nullptr) - started, kGenerousBoundSeconds);
  EXPECT_GE(server.Requests().size(), 1u);
  EXPECT_LE(server.Requests().size(), c.maxRequests);
  if (c.fullBody.empty()) {
    EXPECT_EQ(body, "");
  } else {
    // Part of the body arrived before the deadline, and nothing after it.
    EXPECT_FALSE(body.empty());
    EXPECT_LT(body.size(), c.fullBody.size());
    EXPECT_EQ(c.fullBody.compare(0, body.size(), body), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Servers, ReadWebBytesBounds,
    ::testing::Values(
        BoundCase{"NeverAnswers", "", Pacing{.holdOpen = true}, 1, ""},
        BoundCase{"TricklesItsBody", kTrickleHeaders + Pattern(400),
                  Pacing{.burstBytes = kTrickleHeaders.size() + 5,
                         .betweenLaterMilliseconds = 50},
                  1, Pattern(400)},
        BoundCase{"RedirectsToItselfWithoutEnd", kRedirectToSelf, Pacing{}, 6, ""},
        // curl follows the long address until the redirect limit; WinINet
        // cannot hold it and stops at once. Neither returns anything.
        BoundCase{"RedirectsToAnAddressTooLongToFollow",
                  "HTTP/1.0 302 Found\r\nLocation: /" + Pattern(20000) +
                      "\r\nContent-Length: 4\r\n\r\nlong",
                  Pacing{}, 6, ""},
        BoundCase{"RedirectsAwayFromTheWeb",
                  "HTTP/1.0 302 Found\r\nLocation: ftp://127.0.0.1/x\r\nContent-Length: 0\r\n\r\n",
                  Pacing{}, 1, ""}),
    [](const ::testing::TestParamInfo<BoundCase>& info) { return info.param.name; });

TEST(ReadWebBytes, FollowsARedirectToAnotherServer) {
  HttpTestServer target("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok");
  HttpTestServer redirecting("HTTP/1.0 301 Moved\r\nLocation: " + target.Address("/new") +
                             "\r\nContent-Length: 0\r\n\r\n");
  EXPECT_EQ(MakePlatformWebFetch(kShortLimits)->ReadWebBytes(redirecting.Address("/old")), "ok");
  ASSERT_EQ(target.Requests().size(), 1u);
  EXPECT_EQ(target.Requests().front().rfind("GET /new HTTP/1.0\r\n", 0), 0u);
}

TEST(ReadWebBytes, FailuresGiveTheEmptyByteString) {
  const auto fetch = MakePlatformWebFetch();
  EXPECT_EQ(fetch->ReadWebBytes(""), "");
  EXPECT_EQ(fetch->ReadWebBytes("http://127.0.0.1:" + std::to_string(HttpTestServer::ClosedPort()) +
                                "/client/api.asp?code=10022"),
            "");
  EXPECT_EQ(fetch->ReadWebBytes("http://no-such-host.invalid/client/api.asp?code=10022"), "");
}

TEST(ReadWebBytes, LaterCallsWorkAfterAFailure) {
  const auto fetch = MakePlatformWebFetch();
  EXPECT_EQ(fetch->ReadWebBytes("http://127.0.0.1:" + std::to_string(HttpTestServer::ClosedPort())),
            "");
  HttpTestServer server("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nhi");
  EXPECT_EQ(fetch->ReadWebBytes(server.Address("/")), "hi");
  EXPECT_EQ(fetch->ReadWebBytes(server.Address("/again")), "hi");
}

}  // namespace
}  // namespace velmora::testing
