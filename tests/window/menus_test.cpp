// The menu bar: captions, check marks, the boxes of its commands, reloading and the
// element downloads against a real HTTP server on 127.0.0.1.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QCoreApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QLabel>
#include <QRadioButton>
#include <QTextDocument>

#include <chrono>
#include <fstream>

#include "core/settings/personal_data.h"
#include "core/local_server.h"
#include "windows/map/frm_immagine.h"
#include "platform/qt/qt_text.h"
#include "platform/curl/curl_internet.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

using namespace std::chrono_literals;

using MenuTest = WindowTest;
using qt::FromQString;

// The sample's header and first two satellites.
std::string TwoSatellites() {
  const std::string sample = SampleElements();
  std::size_t end = 0;
  for (int line = 0; line < 31; ++line) end = sample.find("\r\n", end) + 2;
  return sample.substr(0, end);
}

TEST_F(MenuTest, BarInOrderAndTheBoxesOfInfo) {
  MakeForm();
  form->Load();
  const FrmTrackMenus& m = form->Menus;
  QStringList menus;
  for (const QAction* a : form->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus.join('|').toStdString(), "&Menu|&Info|&Config|&Tracker|&?");

  for (QAction* a : {m.MnuBloBla, m.MnuPersData, m.MnuInfo}) {
    a->trigger();
  }
  ASSERT_EQ(messages.boxes.size(), 3u);
  EXPECT_EQ(messages.boxes[1], "VelkTrack - Load LON/LAT/HIG|" + PersonalDataText(state.Station));
  EXPECT_TRUE(messages.boxes[2].ends_with("\r\n\r\nProgram directory: " + dir.path().string()));

}

// A reload that finds no usable file keeps the table and says so in red; rows
// left empty lose the colours of the file before; names are shown as written.
TEST_F(MenuTest, ReloadKeepsTheTableWhenTheFileFailsAndShowsNamesAsPlainText) {
  StartWithSampleFiles();
  const QColor face = form->palette().color(QPalette::Button);
  std::size_t up = 2;
  while (up < std::size_t{60} && Background(Row(up)) == face) ++up;
  ASSERT_LT(up, std::size_t{60});
  std::string two = TwoSatellites();
  dir.Write("amateur.txt", two.replace(two.find("AO-07"), 5, "<b>X</b>"));
  form->Menus.MnuLoadFile->trigger();
  EXPECT_EQ(Background(Row(up)), face);
  Option(0)->click();
  Button("Command1")->click();
  form->Timer1Tick();
  QTextDocument tip;
  tip.setHtml(Label("LblSatAge")->toolTip());
  EXPECT_TRUE(tip.toPlainText().startsWith("<b>X</b> age")) << FromQString(tip.toPlainText());
  const auto* map = form->findChild<FrmImmagine*>();
  ASSERT_TRUE(map);
  for (const QLabel* label : {Row(0), Label("LblSatAge"), map->LblSatName, Label("LblElementStatus")})
    EXPECT_EQ(label->textFormat(), Qt::PlainText);

  for (const std::string& broken : {std::string("\xFF\xFE", 2), std::string("no sets\r\n")}) {
    dir.Write("amateur.txt", broken);
    form->Menus.MnuLoadFile->trigger();
    EXPECT_EQ(RowText(1).substr(0, 5), "UO-11");
    EXPECT_TRUE(Label("LblElementStatus")->text().endsWith(" - the 2 sets loaded before are kept"));
    EXPECT_NE(Label("LblElementStatus")->styleSheet().indexOf("#c00000"), -1);
  }
}

class DownloadTest : public MenuTest {
 protected:
  // Start-up with the sample files and KEPURL naming path on the test server.
  void StartWithKepUrl(const std::string& path) {
    WriteSampleFiles();
    std::ofstream(dir.path() / "config.txt", std::ios::app) << "KEPURL =  " << server.Url(path) << " \r";
    MakeForm(&LoadElements, [] { return std::make_shared<CurlInternet>(InternetTimeLimits{500ms, 5s}); });
    StartAtUtc({2026, 5, 11, 12, 0, 0});
    messages.boxes.clear();
  }
  bool Ended() { return PumpUntil([&] { return !form->DownloadRunning(); }, 20); }
  TempDir served;
  ElementServer server{served.path()};
};

TEST_F(DownloadTest, TransferRunsWhileTheWindowGoesOnAndItsFileIsLoaded) {
  served.Write("crlf.txt", TwoSatellites());
  StartWithKepUrl("/moved/crlf.txt");
  form->Menus.MnuLoadFile1->trigger();
  // The command has returned with the transfer still running, a Cancel at hand.
  ASSERT_TRUE(form->DownloadRunning());
  ASSERT_TRUE(form->DownloadProgress && form->DownloadProgress->isVisible());
  EXPECT_FALSE(form->Menus.MnuLoadFile->isEnabled());
  form->Menus.MnuLoadFile->trigger();
  form->Menus.MnuLoadInternet->trigger();
  EXPECT_EQ(messages.boxes, std::vector<std::string>{
                                "RodeDizevad|ATTENTION: Waiting INTERNET network and UPDATE new file amateur.txt"});
  ASSERT_TRUE(Ended());
  EXPECT_FALSE(form->DownloadProgress);
  EXPECT_TRUE(form->Menus.MnuLoadFile->isEnabled());
  ASSERT_EQ(messages.boxes.size(), 2u);
  EXPECT_EQ(messages.boxes[1], "RodeDizevad|OK, new Internet kepler data with [.../amateur.txt] downloadet....");
  EXPECT_EQ(dir.Read("amateur.txt"), TwoSatellites() + "\r\n");
  EXPECT_EQ(state.ElementFileName, "amateur.txt");
  EXPECT_EQ(RowText(1).substr(0, 5), "UO-11");
  EXPECT_EQ(RowText(2), "NO SAT...");
}

// What is kept is the download commands' to say; here the dialog's Cancel reaches them.
TEST_F(DownloadTest, CancelEndsTheTransferAndKeepsTheFile) {
  StartWithKepUrl("/slow");
  form->Menus.MnuLoadInternet->trigger();
  ASSERT_TRUE(form->DownloadProgress);
  form->DownloadProgress->findChild<QPushButton*>()->click();
  ASSERT_TRUE(Ended());
  EXPECT_NE(messages.boxes.back().find("(cancelled)"), std::string::npos) << messages.boxes.back();
  EXPECT_EQ(dir.Read("amateur.txt"), SampleElements());
}

}  // namespace
}  // namespace rdz::test
