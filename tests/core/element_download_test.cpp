// Reading a URL, checking and storing a downloaded element file, and the address it comes from.
#include <gtest/gtest.h>

#include "core/fake_internet.h"
#include "core/temp_dir.h"
#include "core/download/element_download.h"
#include "core/download/read_url.h"
#include "core/base/crlf_text.h"

namespace rdz {
namespace {

using test::Answer;
using test::Block;
using test::FakeInternet;

TEST(ReadUrl, AsksForTheStatusReadsUntilNothingComesAndClosesWhatWasOpened) {
  FakeInternet net;
  net.answer.pieces = {"Satellite: ", std::string(2048, 'x')};
  net.answer.status = 203;
  UrlReading reading;
  EXPECT_EQ(ReadUrl(net, "http://h/a", &reading), "Satellite: " + std::string(2048, 'x'));
  EXPECT_TRUE(reading.complete && reading.status == 203);
  EXPECT_EQ(net.calls, "open|7http://h/a/2147483648|s9|r9|r9|r9|c9|c7");  // reload, not the cache

  net = {};
  net.answer = {.failure = "connection refused", .opens = false};  // neither read nor closed
  EXPECT_EQ(ReadUrl(net, "u", &reading), "");
  EXPECT_TRUE(reading.status == 0 && reading.failure == "connection refused");
  EXPECT_EQ(net.calls, "open|7u/2147483648|c7");
}

TEST(CrLfText, EveryLineEndBecomesOneThatTheReaderSplitsOnce) {
  const std::pair<std::string, std::string> cases[] = {
      {"a\nb", "a\r\nb\r\n"},          {"a\r\nb\r\n", "a\r\nb\r\n\r\n"},
      {"a\rb", "a\rb\r\n"},            {"\n\n", "\r\n\r\n\r\n"},
      {"", "\r\n"},                    {"a\r\r\nb", "a\r\r\nb\r\n"},
      {"\na\n\r\n", "\r\na\r\n\r\n\r\n"},
  };
  for (const auto& [body, text] : cases) EXPECT_EQ(CrLfText(body), text) << body;
}

class StoreTest : public ::testing::Test {
 protected:
  DownloadRequest Request(const ElementDownload& d = kNewFileDownload) {
    return {d, "http://h/k", dir.path(), {{}, CivilTime{2026, 5, 11, 12, 0, 0}}, std::nullopt};
  }
  test::TempDir dir;
};

TEST_F(StoreTest, OnlyAWholeSuccessfulAnswerWithAComputableSetIsWritten) {
  const std::string good = "header\n\n" + Block("AO-07");
  struct Case {
    Answer answer;
    std::string cause;  // empty: written
  } cases[] = {
      {{.pieces = {good}}, ""},
      {{.status = 204, .pieces = {Block("X", "0"), good}}, ""},
      {{.pieces = {Block("X", "0")}}, "not an element file"},
      {{.pieces = {"<html>Satellite: none</html>\n"}}, "not an element file"},
      {{.pieces = {good.substr(0, 100)}}, "not an element file"},
      {{.pieces = {std::string("\xFF\xFES\0a\0", 6)}}, "UTF-16 text is not supported"},
      {{.status = 404, .pieces = {good}}, "HTTP 404"},
      {{.status = 206, .pieces = {good}}, "HTTP 206"},
      {{.status = 302, .pieces = {good}}, "HTTP 302"},
      {{.status = 0, .pieces = {good}}, "no HTTP answer"},
      {{.pieces = {good}, .endsOk = false}, "the transfer did not complete"},
      {{.pieces = {good}, .endsOk = false, .failure = "timed out"}, "timed out"},
      {{.failure = "connection refused", .opens = false}, "connection refused"},
      {{.pieces = {good, std::string(kMaxBodyBytes, '\n')}}, "more than 16 MiB"},
  };
  for (const Case& c : cases) {
    dir.Write("amateur1.txt", "old");
    FakeInternet net;
    net.answer = c.answer;
    const DownloadResult r = DownloadElementFile(net, Request());
    const std::string why = c.cause + " / " + std::to_string(c.answer.status);
    EXPECT_EQ(r.written, c.cause.empty()) << why;
    if (c.cause.empty()) {
      std::string body;
      for (const std::string& piece : c.answer.pieces) body += piece;
      EXPECT_EQ(dir.Read("amateur1.txt"), CrLfText(body)) << why;
    } else {
      EXPECT_EQ(r.message, "ATTENTION: no element sets received from http://h/k (" + c.cause +
                               ") - [.../amateur1.txt] not changed.");
      EXPECT_EQ(dir.Read("amateur1.txt"), "old") << why;
    }
  }
}

// With or without an instant to compute at, a set that describes no orbit is no element file.
TEST_F(StoreTest, ASetThatDescribesNoOrbitIsRefused) {
  std::string bad = Block("X");
  bad.replace(bad.find("101.9918"), 8, "999.9999");
  DownloadRequest request = Request();
  for (int run = 0; run < 2; ++run, request.check.utc.reset()) {
    EXPECT_FALSE(StoreElementDownload(bad, request).written) << run;
    EXPECT_TRUE(StoreElementDownload(Block("X"), request).written) << run;
  }
}

TEST_F(StoreTest, SecondCopyIsWrittenAndAFailedWriteSaysWhy) {
  std::filesystem::create_directory(dir.path() / "copy");
  DownloadRequest request = Request(kUpdateDownload);
  request.secondCopy = dir.path() / "copy" / "amateur.txt";
  EXPECT_TRUE(StoreElementDownload(Block("A"), request).written);
  EXPECT_EQ(dir.Read("copy/amateur.txt") + dir.Read("amateur.txt"), CrLfText(Block("A")) + CrLfText(Block("A")));
  // A second copy that cannot be written is no failure.
  request.secondCopy = dir.path() / "missing" / "amateur.txt";
  EXPECT_TRUE(StoreElementDownload(Block("A"), request).written);

  std::filesystem::create_directory(dir.path() / "amateur1.txt");  // cannot be replaced
  const DownloadResult r = StoreElementDownload(Block("A"), Request());
  EXPECT_FALSE(r.written);
  const std::string head = "ATTENTION: [.../amateur1.txt] could not be written (";
  EXPECT_EQ(r.message.substr(0, head.size()), head);
  EXPECT_GT(r.message.size(), head.size() + std::string(") and was not changed.").size()) << r.message;
}

}  // namespace
}  // namespace rdz
