// The two download commands against a real HTTP server on 127.0.0.1.
#include <QMenu>

#include <chrono>
#include <fstream>

#include "download/curl_internet.h"
#include "http/local_http_server.h"
#include "window/menu_fixture.h"

namespace rdz::test {
namespace {

using namespace std::chrono_literals;

// The sample's first two satellites, with the given line end.
std::string TwoSampleSatellites(const std::string& eol) {
  std::string text;
  std::size_t from = 0;
  const std::string sample = SampleElements();
  for (int line = 0; line < 31; ++line) {
    const std::size_t end = sample.find("\r\n", from);
    text += sample.substr(from, end - from) + eol;
    from = end + 2;
  }
  return text;
}

class DownloadWindowTest : public MenuWindowTest {
 protected:
  void StartWithKepUrl(const std::string& path, InternetTimeLimits limits = {}) {
    ASSERT_TRUE(server.Running());
    WriteSampleFiles();
    std::ofstream(dir.path() / "config.txt", std::ios::app | std::ios::binary)
        << "KEPURL =  " << server.Url(path) << " \r\n";
    internet = std::make_unique<CurlInternet>(limits);
    MakeMenuForm(internet.get());
    StartAtUtc({2026, 5, 11, 12, 0, 0});
    sampleCount = state.SatCount;
    boxes.boxes.clear();
  }
  // No file of the folder has a backslash in its name.
  static bool NoWindowsNames(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().filename().string().find('\\') != std::string::npos) return false;
    }
    return true;
  }

  // One server for all: starting Python takes a while on a busy machine.
  static void SetUpTestSuite() {
    folder = new TempDir;
    httpServer = new LocalHttpServer(folder->path());
  }
  static void TearDownTestSuite() {
    delete httpServer;
    delete folder;
  }
  static inline TempDir* folder = nullptr;
  static inline LocalHttpServer* httpServer = nullptr;

  const TempDir& served = *folder;
  const LocalHttpServer& server = *httpServer;
  std::unique_ptr<CurlInternet> internet;
  int sampleCount = 0;
};

TEST_F(DownloadWindowTest, NewFileFromAnLfBodyIsWrittenWithCrLfAndShown) {
  served.Write("keps.txt", TwoSampleSatellites("\n"));
  StartWithKepUrl("/files/keps.txt");
  ASSERT_GT(sampleCount, 2);
  form->Menus.MnuLoadInternet->trigger();
  const std::vector<ShownBox> expected{
      {"ATTENTION: Waiting INTERNET network and create new file amateur1.txt", "RodeDizevad",
       MessageIcon::None},
      {"OK, new Internet kepler data with [.../amateur1.txt] downloadet....", "RodeDizevad",
       MessageIcon::None}};
  EXPECT_EQ(boxes.boxes, expected);
  EXPECT_EQ(dir.Read("amateur1.txt"), TwoSampleSatellites("\r\n") + "\r\n");
  EXPECT_EQ(dir.Read("amateur.txt"), SampleElements());
  EXPECT_EQ(state.ElementFileName, "amateur1.txt");
  EXPECT_EQ(state.SatCount, 2);
  EXPECT_EQ(RowText(1).substr(0, 5), "UO-11");
  EXPECT_EQ(RowText(2), "NO SAT...");
}

TEST_F(DownloadWindowTest, UpdateFollowsARedirectAndKeepsCrLfAsCrCrLf) {
  served.Write("keps.txt", TwoSampleSatellites("\r\n"));
  StartWithKepUrl("/moved/keps.txt");
  form->Menus.MnuLoadFile1->trigger();
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text,
            "ATTENTION: Waiting INTERNET network and UPDATE new file amateur.txt");
  EXPECT_EQ(boxes.boxes[1].text, "OK, new Internet kepler data with [.../amateur.txt] downloadet....");
  EXPECT_EQ(dir.Read("amateur.txt"), TwoSampleSatellites("\r\r\n") + "\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "amateur1.txt"));
  // The fixed-path copy has no drive to go to here.
  EXPECT_TRUE(NoWindowsNames(dir.path()));
  EXPECT_TRUE(NoWindowsNames(std::filesystem::current_path()));
}

TEST_F(DownloadWindowTest, NothingUsableKeepsFilesAndTable) {
  StartWithKepUrl("/missing", {200ms, 1500ms});
  const std::string row5 = RowText(5);
  // A 404 page, an empty body, and a server that never answers (limits shortened).
  for (const char* path : {"/missing", "/empty", "/silent"}) {
    state.KepUrl = server.Url(path);
    for (QAction* command : {form->Menus.MnuLoadInternet, form->Menus.MnuLoadFile1}) {
      boxes.boxes.clear();
      command->trigger();
      ASSERT_EQ(boxes.boxes.size(), 2u) << path;
      EXPECT_NE(boxes.boxes[1].text.find("no element sets received from " + state.KepUrl),
                std::string::npos);
      EXPECT_EQ(boxes.boxes[1].icon, MessageIcon::Exclamation);
      EXPECT_EQ(state.ElementFileName, "amateur.txt");
      EXPECT_EQ(state.SatCount, sampleCount);
      EXPECT_EQ(RowText(5), row5);
    }
  }
  EXPECT_EQ(dir.Read("amateur.txt"), SampleElements());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "amateur1.txt"));
}

}  // namespace
}  // namespace rdz::test
