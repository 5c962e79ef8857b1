#include <gtest/gtest.h>

#include "core/temp_dir.h"
#include "download/element_download.h"
#include "download/read_url.h"

namespace rdz {
namespace {

// Hands out its pieces and records the calls with the handles they got.
struct FakeInternet final : InternetLibrary {
  std::vector<std::string> pieces{"Satellite: ", std::string(2048, 'x')};
  Handle root = 7, request = 9;
  std::string calls;
  Handle InternetOpenA(const char*, unsigned long, const char*, const char*, unsigned long) override {
    return calls += "open", root;
  }
  Handle InternetOpenUrlA(Handle r, const char* url, const char*, unsigned long, unsigned long flags,
                          std::uintptr_t) override {
    return calls += "|" + std::to_string(r) + url + "/" + std::to_string(flags), request;
  }
  bool InternetReadFile(Handle h, char* buffer, unsigned long size, unsigned long& read) override {
    calls += "|r" + std::to_string(h);
    read = pieces.empty() ? 0 : static_cast<unsigned long>(pieces.front().copy(buffer, size));
    if (!pieces.empty()) pieces.erase(pieces.begin());
    return true;
  }
  bool InternetCloseHandle(Handle h) override { return calls += "|c" + std::to_string(h), true; }
};

TEST(ReadUrl, ReadsUntilNothingComesJoinsThePiecesAndClosesWhatWasOpened) {
  FakeInternet net;
  bool complete = false;
  EXPECT_EQ(ReadUrl(net, "http://h/a", &complete), "Satellite: " + std::string(2048, 'x'));
  EXPECT_TRUE(complete);
  EXPECT_EQ(net.calls, "open|7http://h/a/2147483648|r9|r9|r9|c9|c7");  // reload, not the cache
  net.calls.clear();
  net.request = 0;  // not opened: neither read nor closed
  EXPECT_EQ(ReadUrl(net, "u", &complete), "");
  EXPECT_FALSE(complete);
  EXPECT_EQ(net.calls, "open|7u/2147483648|c7");
}

TEST(StoreElementDownload, SecondCopyOversizedBodyAndFailedWrite) {
  test::TempDir dir;
  const std::string body = "Satellite: AO-07\n" + std::string(11, '\n');
  std::filesystem::create_directory(dir.path() / "copy");
  EXPECT_TRUE(StoreElementDownload(body, "u", dir.path(), kUpdateDownload,
                                   dir.path() / "copy" / "amateur.txt").written);
  EXPECT_EQ(dir.Read("copy/amateur.txt"), dir.Read("amateur.txt"));

  const DownloadResult big = StoreElementDownload(body + std::string(kMaxBodyBytes, '\n'), "http://h/k",
                                                  dir.path(), kNewFileDownload, std::nullopt);
  EXPECT_FALSE(big.written);
  EXPECT_NE(big.message.find("no element sets received from http://h/k"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "amateur1.txt"));

  std::filesystem::create_directory(dir.path() / "amateur1.txt");  // cannot be replaced
  const DownloadResult r = StoreElementDownload(body, "u", dir.path(), kNewFileDownload, std::nullopt);
  EXPECT_FALSE(r.written);
  EXPECT_EQ(r.message, "ATTENTION: [.../amateur1.txt] could not be written and was not changed.");
}

}  // namespace
}  // namespace rdz
