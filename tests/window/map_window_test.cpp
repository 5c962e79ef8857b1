// The world map window opened with "MAP" and fed by the live table.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "windows/map/frm_immagine.h"
#include "core/base/text_lines.h"
#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

class MapWindow : public WindowTest {
 protected:
  FrmImmagine* Open() {
    Button("Command1")->click();
    return form->findChild<FrmImmagine*>();
  }
  QPoint Centre() const { return {form->Twips(3600), form->Twips(1800)}; }
};

// The row under the map shows the tracked satellite (satellite 1 when none
// is), drawn as soon as the window opens, even with no tick to come.
TEST_F(MapWindow, OpensOnceAtTheCentreShowsTheTrackedSatelliteAtOnceAndMarksTheLastPoint) {
  MakeForm(LoaderOf(SampleSatellites()));
  StartAtUtc({2026, 5, 11, 0, 0, 0});
  const auto shown = [](const FrmImmagine* map) {
    return qt::FromQString(map->LblSatName->text() + "|" + map->LblAZ->text() + map->LblEL->text() + "|" +
                           map->LblLAT->text() + map->LblLON->text());
  };
  const auto expected = [&](int k) {
    const std::string row = RowText(k - 1);
    return std::string(TrimmedName(state.Elements[k].Name)) + "|" + row.substr(9, 8) + "|" + row.substr(41, 8);
  };
  FrmImmagine* map = Open();
  EXPECT_EQ(shown(map), expected(1));
  Button("Command1")->click();
  ASSERT_EQ(form->findChildren<FrmImmagine*>().size(), 1);
  EXPECT_EQ(map->windowTitle(), "Wolrd Tracker MAP");
  EXPECT_LE((map->Picture1->pos() - Centre()).manhattanLength(), 2);

  Option(4)->click();  // satellite 5 is tracked
  Tick(600);
  EXPECT_EQ(shown(map), expected(5));
  EXPECT_EQ(map->Scene().selected, 4);
  EXPECT_FALSE(map->Label1->isVisible());
  const int width = map->Image1->width();
  EXPECT_EQ(map->Image1->pixmap().width(), width);
  map->resize(map->width() + width, map->height() + width);
  QApplication::processEvents();
  EXPECT_NEAR(map->Image1->width(), 2 * width, 2);
  EXPECT_EQ(map->Image1->height(), map->Image1->width() / 2);
  EXPECT_GT(map->LblSatName->y(), map->Image1->height());

  // Closed: nothing is written, the last point is kept, and "MAP" starts afresh.
  Close(map);
  const std::string lat = state.SubSatLat;
  Tick(1200);
  EXPECT_NE(RowText(4).substr(41, 4), lat);
  EXPECT_EQ(state.SubSatLat, lat);
  map = Open();
  EXPECT_EQ(shown(map), expected(5));
  // Its own button puts the marker on the last point.
  state.SubSatLat = "  45";
  state.SubSatLon = " -90";
  map->Command1->click();
  const QPoint offset = map->Picture1->geometry().center() - QPoint(form->Twips(90 * 20), form->Twips(45 * 20));
  EXPECT_LE(offset.manhattanLength(), 2);
}

// "whole file": every set of the element file on the map, the table's tracked
// one still selected.
TEST_F(MapWindow, ShowsEverySetOfTheFileWhenAsked) {
  StartWithSampleFiles();
  Option(5)->setChecked(true);  // ISS
  FrmImmagine* map = Open();
  Tick(1);
  const std::size_t table = map->Scene().satellites.size();
  map->CboSets->setCurrentIndex(1);
  ASSERT_TRUE(PumpUntil([&] { return !map->Loading(); }, 30));
  // Propagated away from the window: ticks while it draws leave one redraw, the latest.
  ASSERT_TRUE(PumpUntil([&] { return !map->Drawing(); }, 30));
  for (int i = 0; i < 3; ++i) Tick(1);
  EXPECT_TRUE(map->Drawing());
  ASSERT_TRUE(PumpUntil([&] { return !map->Drawing(); }, 30));
  EXPECT_GT(map->Scene().satellites.size(), table + 10);
  const MapSatellite iss = map->Scene().satellites[static_cast<std::size_t>(map->Scene().selected)];
  EXPECT_EQ(iss.name, "ISS");
  // The table's scene, drawn at once, at the same (last) instant.
  map->CboSets->setCurrentIndex(0);
  EXPECT_EQ(map->Scene().satellites.size(), table);
  const GeoPoint at = map->Scene().satellites[static_cast<std::size_t>(map->Scene().selected)].at;
  EXPECT_NEAR(iss.at.lat, at.lat, 1e-9);
  EXPECT_NEAR(iss.at.lon, at.lon, 1e-9);
}

}  // namespace
}  // namespace rdz::test
