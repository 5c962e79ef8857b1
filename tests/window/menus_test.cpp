// The menu bar: captions, check marks, the boxes of its commands, reloading and the
// element downloads against a real HTTP server on 127.0.0.1.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <fstream>

#include "config/personal_data.h"
#include "download/curl_internet.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

using namespace std::chrono_literals;

using MenuTest = WindowTest;

// The sample's header and first two satellites, lines ended by eol.
std::string TwoSatellites(const std::string& eol) {
  const std::string sample = SampleElements();
  std::string text;
  for (std::size_t from = 0, line = 0; line < 31; ++line) {
    const std::size_t end = sample.find("\r\n", from);
    text += sample.substr(from, end - from) + eol;
    from = end + 2;
  }
  return text;
}

TEST_F(MenuTest, CaptionsInOrderAndTheirBoxes) {
  MakeForm();
  form->Load();
  const FrmTrackMenus& m = form->Menus;
  QStringList captions;
  for (const QMenu* menu : {m.Mnu1, m.mnu3, m.MnuCfg, m.mnuTrk}) {
    captions << menu->title();
    for (const QAction* a : menu->actions()) captions << a->text();
  }
  EXPECT_EQ(captions.join('|').toStdString(),
            "&Menu|AMSAT Kepler files         [amateur.txt]|AMSAT Kepler Internet  [internet link]|"
            "AMSAT Kepler UDPATE  [amateur.txt]|GEO Kepler Internet|GPS Kepler Internet|"
            "Military Kepler Internet|LEO Kepler Internet|SHUTTLE Kepler Internet|"
            "Info|Check BLON/BLAT|VelkAtomicClock|Config|Personal Data Configuration|"
            "Check Personal data|Tracker|KV250 LPT1|KV250 LPT2|Other");
  EXPECT_EQ(form->menuBar()->actions().back(), m.MnuInfo);
  EXPECT_EQ(m.MnuInfo->text(), "?");

  const std::string news = "RODEdizevad|news at https://rodedizevad.example.org implemented soon on VELK2000";
  for (QAction* a : {m.MnuLoadGeoKepler, m.LoadGpsKepler, m.MnuMars, m.MnuLeo, m.MnuShuttle,
                     m.MnuBloBla, m.TrkOther, m.MnuPersData, m.MnuInfo}) {
    a->trigger();
  }
  const std::vector<std::string> expected{
      news, news, news, news, news, "RODEdizevad|Implemented on config for a single sat!",
      "RodeDizevad|At the moment in this version I have implemented only my system Tracker "
      "KV250.  In future as in VELK2000 according to demand I will already install other "
      "systems of AutoTracking.",
      "VelkTrack - Load LON/LAT/HIG|" + PersonalDataText(state.Station),
      "RodeDizevad|RodeDizevad v0.05beta - amateur satellite tracker, map image courtesy of "
      "NASA\r\n\r\nReal time of the orbital satellites\r\nwith automatic kepler reading from "
      "file or Internet!\r\n\r\nQuestions and reports: https://rodedizevad.example.org"
      "\r\n\r\nProgram directory: " + dir.path().string()};
  EXPECT_EQ(messages.boxes, expected);

  // Neither port item moves the check mark or shows anything.
  for (QAction* a : {m.KV250_1, m.KV250_2}) a->trigger();
  EXPECT_TRUE(m.KV250_1->isChecked());
  EXPECT_FALSE(m.KV250_2->isChecked());
  EXPECT_EQ(messages.boxes.size(), expected.size());
}

class DownloadTest : public MenuTest {
 protected:
  // The server's process id, then the port it listens on.
  void SetUp() override {
    const std::string command = std::string("python3 ") + RDZ_HTTP_SERVER_SCRIPT + " '" +
                                served.path().string() + "' & echo $!";
    pipe = ::popen(command.c_str(), "r");
    ASSERT_EQ(std::fscanf(pipe, "%d %d", &server, &port), 2);
  }
  void TearDown() override {
    ::kill(server, SIGTERM);
    ::pclose(pipe);
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port) + path;
  }
  void StartWithKepUrl(const std::string& path) {
    WriteSampleFiles();
    std::ofstream(dir.path() / "config.txt", std::ios::app) << "KEPURL =  " << Url(path) << " \r";
    MakeForm(&LoadElements, &internet);
    form->Load();
    messages.boxes.clear();
  }
  TempDir served;
  FILE* pipe = nullptr;
  int server = -1;
  int port = 0;
  CurlInternet internet{{200ms, 1500ms}};
};

TEST_F(DownloadTest, BodiesAreStoredWithCrLfAddedAndShown) {
  served.Write("lf.txt", TwoSatellites("\n"));
  served.Write("crlf.txt", TwoSatellites("\r\n"));
  StartWithKepUrl("/moved/lf.txt");
  form->Menus.MnuLoadInternet->trigger();
  const std::vector<std::string> expected{
      "RodeDizevad|ATTENTION: Waiting INTERNET network and create new file amateur1.txt",
      "RodeDizevad|OK, new Internet kepler data with [.../amateur1.txt] downloadet...."};
  EXPECT_EQ(messages.boxes, expected);
  EXPECT_EQ(dir.Read("amateur1.txt"), TwoSatellites("\r\n") + "\r\n");
  EXPECT_EQ(dir.Read("amateur.txt"), SampleElements());
  EXPECT_EQ(state.ElementFileName, "amateur1.txt");
  EXPECT_EQ(RowText(1).substr(0, 5), "UO-11");
  EXPECT_EQ(RowText(2), "NO SAT...");

  // Reloading reads amateur.txt from disk again, whatever file the table came from.
  messages.boxes.clear();
  form->Menus.MnuLoadFile->trigger();
  EXPECT_EQ(messages.boxes, std::vector<std::string>{"RodeDizevad|OK, new kepler data from Amsat "
                                                     "file [.../amateur.txt] loadet...."});
  EXPECT_EQ(state.ElementFileName, "amateur.txt");
  EXPECT_EQ(RowText(2).substr(0, 5), SampleSatellites()[2].Name.substr(0, 5));

  messages.boxes.clear();
  state.KepUrl = Url("/files/crlf.txt");
  form->Menus.MnuLoadFile1->trigger();
  ASSERT_EQ(messages.boxes.size(), 2u);
  EXPECT_EQ(messages.boxes[0], "RodeDizevad|ATTENTION: Waiting INTERNET network and UPDATE new file amateur.txt");
  EXPECT_EQ(messages.boxes[1], "RodeDizevad|OK, new Internet kepler data with [.../amateur.txt] downloadet....");
  EXPECT_EQ(dir.Read("amateur.txt"), TwoSatellites("\r\r\n") + "\r\n");
  EXPECT_EQ(state.ElementFileName, "amateur.txt");
  // The fixed-path copy has no drive here and leaves no file behind.
  for (const auto& folder : {dir.path(), std::filesystem::current_path()}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      EXPECT_EQ(entry.path().filename().string().find('\\'), std::string::npos);
    }
  }
}

TEST_F(DownloadTest, ErrorPageEmptyBrokenOffOrSilentAnswerKeepsFilesAndTable) {
  served.Write("lf.txt", TwoSatellites("\n"));
  StartWithKepUrl("/missing");
  const std::string row5 = RowText(5);
  for (const char* path : {"/missing", "/empty", "/cut/lf.txt", "/silent"}) {
    state.KepUrl = Url(path);
    for (QAction* command : {form->Menus.MnuLoadInternet, form->Menus.MnuLoadFile1}) {
      messages.boxes.clear();
      command->trigger();
      ASSERT_EQ(messages.boxes.size(), 2u) << path;
      EXPECT_NE(messages.boxes[1].find("no element sets received from " + state.KepUrl),
                std::string::npos);
      EXPECT_EQ(state.ElementFileName, "amateur.txt");
      EXPECT_EQ(RowText(5), row5);
    }
  }
  EXPECT_EQ(dir.Read("amateur.txt"), SampleElements());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "amateur1.txt"));
}

}  // namespace
}  // namespace rdz::test
