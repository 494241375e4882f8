#include "update/web_fetch.h"

#include <gtest/gtest.h>

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
