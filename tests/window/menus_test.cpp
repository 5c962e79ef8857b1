// The menu bar: captions, check marks and the boxes its commands show.
#include <QMenu>
#include <QMenuBar>

#include "config/personal_data.h"
#include "platform/qt/qt_text.h"
#include "window/menu_fixture.h"

namespace rdz::test {
namespace {

QStringList Captions(const QList<QAction*>& actions) {
  QStringList captions;
  for (const QAction* a : actions) captions << a->text();
  return captions;
}

TEST_F(MenuWindowTest, MenuTreeHasEveryCaptionInOrder) {
  MakeMenuForm();
  EXPECT_EQ(Captions(form->menuBar()->actions()),
            QStringList({"&Menu", "Info", "Config", "Tracker", "?"}));
  const FrmTrackMenus& m = form->Menus;
  EXPECT_EQ(Captions(m.Mnu1->actions()),
            QStringList({"AMSAT Kepler files         [amateur.txt]",
                         "AMSAT Kepler Internet  [internet link]", "AMSAT Kepler UDPATE  [amateur.txt]",
                         "GEO Kepler Internet", "GPS Kepler Internet", "Military Kepler Internet",
                         "LEO Kepler Internet", "SHUTTLE Kepler Internet"}));
  EXPECT_EQ(Captions(m.mnu3->actions()), QStringList({"Check BLON/BLAT", "VelkAtomicClock"}));
  EXPECT_EQ(Captions(m.MnuCfg->actions()),
            QStringList({"Personal Data Configuration", "Check Personal data"}));
  EXPECT_EQ(Captions(m.mnuTrk->actions()), QStringList({"KV250 LPT1", "KV250 LPT2", "Other"}));
  EXPECT_EQ(m.MnuInfo->menu(), nullptr);
}

TEST_F(MenuWindowTest, InformationCommandsOnlyShowTheirBox) {
  MakeMenuForm();
  form->Load();
  const std::string before = RowText(0);
  const FrmTrackMenus& m = form->Menus;
  const std::string news = "news at https://rodedizevad.example.org implemented soon on VELK2000";
  const struct {
    QAction* item;
    ShownBox box;
  } cases[] = {
      {m.MnuLoadGeoKepler, {news, "RODEdizevad", MessageIcon::None}},
      {m.LoadGpsKepler, {news, "RODEdizevad", MessageIcon::None}},
      {m.MnuMars, {news, "RODEdizevad", MessageIcon::None}},
      {m.MnuLeo, {news, "RODEdizevad", MessageIcon::None}},
      {m.MnuShuttle, {news, "RODEdizevad", MessageIcon::None}},
      {m.MnuVelkClock, {news, "RODEdizevad", MessageIcon::None}},
      {m.MnuBloBla, {"Implemented on config for a single sat!", "RODEdizevad", MessageIcon::None}},
      {m.TrkOther,
       {"At the moment in this version I have implemented only my system Tracker KV250.  In "
        "future as in VELK2000 according to demand I will already install other systems of "
        "AutoTracking.",
        "RodeDizevad", MessageIcon::None}},
      {m.MnuPersData, {PersonalDataText(state.Station), "VelkTrack - Load LON/LAT/HIG",
                       MessageIcon::None}},
  };
  for (const auto& c : cases) {
    boxes.boxes.clear();
    c.item->trigger();
    EXPECT_EQ(boxes.boxes, std::vector<ShownBox>{c.box}) << c.item->text().toStdString();
  }
  boxes.boxes.clear();
  m.MnuInfo->trigger();
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].title, "RodeDizevad");
  const std::string& info = boxes.boxes[0].text;
  EXPECT_EQ(info.rfind("RodeDizevad v0.05beta - ", 0), 0u);
  EXPECT_NE(info.find("NASA"), std::string::npos);
  EXPECT_NE(info.find("\r\n\r\nReal time of the orbital satellites\r\n"
                      "with automatic kepler reading from file or Internet!\r\n\r\n"),
            std::string::npos);
  EXPECT_EQ(RowText(0), before);
  EXPECT_EQ(events.runs, 0);
}

TEST_F(MenuWindowTest, TrackerPortCheckMarkStaysOnTheFirstPort) {
  MakeMenuForm();
  const FrmTrackMenus& m = form->Menus;
  for (QAction* item : {m.KV250_2, m.KV250_1, m.KV250_2}) {
    item->trigger();
    EXPECT_TRUE(m.KV250_1->isChecked());
    EXPECT_FALSE(m.KV250_2->isChecked());
  }
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MenuWindowTest, ReloadShowsTheFileOnDiskNow) {
  WriteSampleFiles();
  MakeMenuForm();
  form->Load();
  ASSERT_GT(state.SatCount, 2);
  // Two satellites from the sample: their blocks begin at lines 6 and 19.
  const std::string sample = SampleElements();
  std::size_t end = 0;
  for (int line = 0; line < 31; ++line) end = sample.find("\r\n", end) + 2;
  dir.Write("amateur.txt", sample.substr(0, end));
  state.ElementFileName = "amateur1.txt";
  form->Menus.MnuLoadFile->trigger();
  const ShownBox reloaded{"OK, new kepler data from Amsat file [.../amateur.txt] loadet....",
                          "RodeDizevad", MessageIcon::None};
  EXPECT_EQ(boxes.boxes, std::vector<ShownBox>{reloaded});
  EXPECT_EQ(state.ElementFileName, "amateur.txt");
  EXPECT_EQ(state.SatCount, 2);
  EXPECT_EQ(RowText(1).substr(0, 5), "UO-11");
  EXPECT_EQ(RowText(2), "NO SAT...");
  EXPECT_EQ(events.runs, 1);
}

}  // namespace
}  // namespace rdz::test
