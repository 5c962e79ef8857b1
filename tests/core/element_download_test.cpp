#include <gtest/gtest.h>

#include <deque>

#include "config/station_config.h"
#include "core/temp_dir.h"
#include "download/element_download.h"
#include "download/read_url.h"
#include "orbit/tracker_state.h"
#include "platform/windows_drive_path.h"

namespace rdz {
namespace {

using test::TempDir;

// Serves the given pieces and records every call.
struct FakeInternet final : InternetLibrary {
  std::deque<std::string> pieces;
  Handle root = 7, request = 9;
  std::vector<std::string> calls;
  Handle InternetOpenA(const char* agent, unsigned long access, const char* proxy,
                       const char* bypass, unsigned long flags) override {
    calls.push_back(std::string("open ") + agent + " " + std::to_string(access) +
                    (proxy == nullptr && bypass == nullptr ? " null" : " set") + " " +
                    std::to_string(flags));
    return root;
  }
  Handle InternetOpenUrlA(Handle r, const char* url, const char* headers, unsigned long length,
                          unsigned long flags, std::uintptr_t context) override {
    calls.push_back("url " + std::to_string(r) + " " + url + (headers ? " headers " : " ") +
                    std::to_string(length) + " " + std::to_string(flags) + " " +
                    std::to_string(context));
    return request;
  }
  bool InternetReadFile(Handle, char* buffer, unsigned long toRead, unsigned long& read) override {
    calls.push_back("read " + std::to_string(toRead) + (buffer[toRead - 1] == ' ' ? " blank" : ""));
    read = 0;
    if (pieces.empty()) return true;
    read = static_cast<unsigned long>(pieces.front().size());
    pieces.front().copy(buffer, read);
    pieces.pop_front();
    return true;
  }
  bool InternetCloseHandle(Handle h) override {
    calls.push_back("close " + std::to_string(h));
    return true;
  }
};

TEST(ReadUrl, CallsTheLibraryInOrderAndJoinsThePieces) {
  FakeInternet net;
  net.pieces = {"Satellite: ", std::string(2048, 'x'), "end"};
  EXPECT_EQ(ReadUrl(net, "http://host/a"), "Satellite: " + std::string(2048, 'x') + "end");
  const std::vector<std::string> expected{
      "open VB Project 0 null 0", "url 7 http://host/a 0 2147483648 0", "read 2048 blank",
      "read 2048 blank",          "read 2048 blank",                    "read 2048 blank",
      "close 9",                  "close 7"};
  EXPECT_EQ(net.calls, expected);

  // Handles that could not be opened are neither read nor closed.
  net.calls.clear();
  net.request = 0;
  EXPECT_EQ(ReadUrl(net, "u"), "");
  EXPECT_EQ(net.calls.back(), "close 7");
  EXPECT_EQ(net.calls.size(), 3u);
  net.root = 0;
  net.calls.clear();
  EXPECT_EQ(ReadUrl(net, "u"), "");
  EXPECT_EQ(net.calls.size(), 1u);
}

TEST(ReadUrl, StopsOnceTheBodyPassesTheLimit) {
  FakeInternet net;
  net.pieces.assign(kMaxBodyBytes / 2048 + 10, std::string(2048, 'x'));
  EXPECT_EQ(ReadUrl(net, "u").size(), kMaxBodyBytes + 2048);
  EXPECT_EQ(net.pieces.size(), 9u);
}

std::string TwoSatellites(const char* eol) {
  std::string text;
  for (const char* name : {"AO-07", "UO-11"}) {
    text += std::string("Satellite: ") + name + eol;
    for (int i = 0; i < 11; ++i) text += std::string("Field: 1") + eol;
  }
  return text;
}

TEST(StoreElementDownload, WritesCrLfTextAndTheSecondCopy) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "copy");
  const auto copy = dir.path() / "copy" / "amateur.txt";
  const DownloadResult r =
      StoreElementDownload(TwoSatellites("\n"), "u", dir.path(), kUpdateDownload, copy);
  EXPECT_TRUE(r.written);
  EXPECT_EQ(r.message, "OK, new Internet kepler data with [.../amateur.txt] downloadet....");
  EXPECT_EQ(dir.Read("amateur.txt"), TwoSatellites("\r\n") + "\r\n");
  EXPECT_EQ(dir.Read("copy/amateur.txt"), dir.Read("amateur.txt"));

  // CR LF in the body becomes CR CR LF; a missing folder for the copy is no failure.
  EXPECT_TRUE(StoreElementDownload(TwoSatellites("\r\n"), "u", dir.path(), kNewFileDownload,
                                   dir.path() / "none" / "amateur.txt")
                  .written);
  EXPECT_EQ(dir.Read("amateur1.txt"), TwoSatellites("\r\r\n") + "\r\n");
}

TEST(StoreElementDownload, KeepsTheFileWhenNothingUsableArrived) {
  TempDir dir;
  dir.Write("amateur1.txt", "old");
  const std::string page = "<html>404 Not Found</html>";
  const std::string big(kMaxBodyBytes + 1, '\n');
  for (const std::string& body : {std::string(), page, TwoSatellites("\n").substr(0, 100), big}) {
    const DownloadResult r =
        StoreElementDownload(body, "http://h/k", dir.path(), kNewFileDownload, std::nullopt);
    EXPECT_FALSE(r.written);
    EXPECT_NE(r.message.find("no element sets received from http://h/k"), std::string::npos);
    EXPECT_EQ(dir.Read("amateur1.txt"), "old");
  }
  // The target is a folder: the write fails and says so.
  std::filesystem::create_directory(dir.path() / "amateur.txt");
  const DownloadResult r =
      StoreElementDownload(TwoSatellites("\n"), "u", dir.path(), kUpdateDownload, std::nullopt);
  EXPECT_FALSE(r.written);
  EXPECT_EQ(r.message, "ATTENTION: [.../amateur.txt] could not be written and was not changed.");
}

TEST(StoreElementDownload, TheWindowsDrivePathIsNeverAFileHere) {
  EXPECT_EQ(WindowsDrivePath(kFixedCopyPath), std::nullopt);
  EXPECT_EQ(WindowsDrivePath("relative\\name.txt"), std::nullopt);
}

TEST(StationConfig, KepUrlIsTheTrimmedRestOfTheLastLine) {
  Observer station;
  std::int16_t scan = 0;
  TrackerState state;
  const std::string fallback = state.KepUrl;
  EXPECT_EQ(fallback, "http://www.amsat.org/amsat/ftp/keps/current/amsat.all");
  ApplyStationLines({"KEPURL = ", "KEPURL=http://x"}, true, station, scan, &state.KepUrl);
  EXPECT_EQ(state.KepUrl, fallback);
  ApplyStationLines({"KEPURL = http://a/1", "KEPURL =   http://b/2 \t"}, true, station, scan,
                    &state.KepUrl);
  EXPECT_EQ(state.KepUrl, "http://b/2");
}

}  // namespace
}  // namespace rdz
