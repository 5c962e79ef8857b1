// The libcurl adapter against the local test server: what arrives, the status,
// and the cause when a transfer fails or is cancelled.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <tuple>

#include "core/temp_dir.h"
#include "core/download/read_url.h"
#include "core/local_server.h"
#include "platform/curl/curl_internet.h"

namespace rdz {
namespace {

using namespace std::chrono_literals;

class CurlInternetTest : public ::testing::Test {
 protected:
  CurlInternetTest() { served.Write("k.txt", body); }
  test::TempDir served;
  std::string body = std::string(5000, 'k') + "\r\n";  // more than one 2048-byte piece
  test::ElementServer server{served.path()};
};

TEST_F(CurlInternetTest, BodyStatusAndCauseOfEachAnswer) {
  std::string closed;  // a port on 127.0.0.1 where nothing listens any more
  {
    const test::ElementServer gone{served.path()};
    closed = gone.Url("/");
  }
  const std::tuple<std::string, int, const char*, std::string> cases[] = {  // URL, status, failure, body
      {server.Url("/files/k.txt"), 200, "", body},
      {server.Url("/moved/k.txt"), 200, "", body},
      {server.Url("/status/404/k.txt"), 404, "", body},
      {server.Url("/cut/k.txt"), 200, "the transfer did not complete", body.substr(0, body.size() - 20)},
      {server.Url("/loop"), 0, "too many redirects", ""},
      {server.Url("/silent"), 0, "timed out", ""},
      {closed, 0, "connection refused", ""},
      {"file:///etc/hostname", 0, "unsupported protocol", ""},
  };
  for (const auto& [url, status, failure, received] : cases) {
    CurlInternet internet{{500ms, 1500ms}};
    UrlReading reading;
    EXPECT_EQ(ReadUrl(internet, url, &reading), received) << url;
    EXPECT_EQ(std::tuple(reading.status, reading.failure, reading.complete),
              std::tuple(status, std::string(failure), *failure == '\0')) << url;
  }
}

TEST_F(CurlInternetTest, RedirectsStayOnHttpsOnceThere) {
  // A certificate for 127.0.0.1 that only this test trusts.
  test::TempDir keys;
  const std::string pem = (keys.path() / "server.pem").string();
  ASSERT_EQ(std::system(("openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 -addext "
                         "subjectAltName=IP:127.0.0.1 -keyout " + pem + " -out " + pem + ".crt 2>/dev/null"
                         " && cat " + pem + ".crt >> " + pem).c_str()), 0);
  test::ElementServer secure(served.path(), pem);
  const std::string plain = server.Url("/files/k.txt");
  const std::pair<std::string, const char*> cases[] = {
      {secure.Url("/moved/k.txt"), ""},
      {server.Url("/to?" + secure.Url("/files/k.txt")), ""},
      {secure.Url("/to?" + plain), "redirect from https to http refused"},
      {server.Url("/to?" + secure.Url("/to?" + plain)), "redirect from https to http refused"}};
  for (const auto& [url, failure] : cases) {
    CurlInternet internet{{2s, 10s}, pem + ".crt"};
    UrlReading reading;
    EXPECT_EQ(ReadUrl(internet, url, &reading), *failure == '\0' ? body : "") << url;
    EXPECT_EQ(reading.failure, failure) << url;
  }
}

TEST_F(CurlInternetTest, CancelFromAnotherThreadEndsTheTransfer) {
  CurlInternet internet{{500ms, 60s}};  // not cancelled, it would take a minute
  UrlReading reading;
  std::string received = "?";
  std::thread reader([&] { received = ReadUrl(internet, server.Url("/slow"), &reading); });
  std::this_thread::sleep_for(300ms);
  internet.Cancel();
  reader.join();
  EXPECT_TRUE(reading.failure == "cancelled" && !reading.complete && received.size() < 10u) << reading.failure;
  // Once cancelled, the library opens nothing more.
  EXPECT_EQ(ReadUrl(internet, server.Url("/files/k.txt"), &reading), "");
  EXPECT_EQ(reading.failure, "cancelled");
}

}  // namespace
}  // namespace rdz
