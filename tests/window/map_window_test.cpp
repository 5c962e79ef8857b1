// The world map window opened with "MAP" and fed by the live table.
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "map/frm_immagine.h"
#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

const CivilTime kStart{2026, 5, 11, 0, 0, 0};

class MapWindow : public WindowTest {
 protected:
  FrmImmagine* Open() {
    form->Command1->click();
    auto* map = form->findChild<FrmImmagine*>();
    EXPECT_NE(map, nullptr);
    return map;
  }
  void Tick(int seconds) {
    clock.now = AddSeconds(clock.now, seconds);
    form->Timer1Tick();
  }
  static std::string Text(const QLabel* label) { return qt::FromQString(label->text()); }
  // Every label that starts with a design caption and every static one.
  static void ExpectDesignCaptions(const FrmImmagine* map) {
    EXPECT_EQ(Text(map->LblSatName), "SAT");
    EXPECT_EQ(Text(map->LblAZ), "AZ");
    EXPECT_EQ(Text(map->LblEL), "EL");
    EXPECT_EQ(Text(map->LblLAT), "LA");
    EXPECT_EQ(Text(map->LblLON), "LO");
    EXPECT_EQ(Text(map->Label4), "MA");
    for (const QLabel* l : map->Label7to10) EXPECT_EQ(Text(l), "AZ");
    for (const QLabel* l : map->Label11to15) EXPECT_EQ(Text(l), "AZ");
  }
  QPoint Centre() const { return {form->Twips(3600), form->Twips(1800)}; }
};

TEST_F(MapWindow, OpensOnceWithTheMarkerAtTheCentreAndDesignCaptions) {
  MakeForm(LoaderOf(SampleSatellites()));
  StartAtUtc(kStart);
  FrmImmagine* map = Open();
  form->Command1->click();
  EXPECT_EQ(form->findChildren<FrmImmagine*>().size(), 1);
  EXPECT_EQ(map->windowTitle(), "Wolrd Tracker MAP");
  EXPECT_EQ(map->size(), QSize(form->Twips(7300), form->Twips(5600)));
  EXPECT_EQ(map->Image1->geometry(), QRect(0, 0, form->Twips(7200), form->Twips(3600)));
  EXPECT_FALSE(map->Image1->pixmap().isNull());
  EXPECT_EQ(map->Picture1->pos(), Centre());
  EXPECT_EQ(Text(map->Label1), "COMING SOON !!!!!");
  ExpectDesignCaptions(map);
}

TEST_F(MapWindow, FollowsSatelliteOneWhileAnotherIsTrackedAndOnlyWhileOpen) {
  MakeForm(LoaderOf(SampleSatellites()));
  form->Option1[4]->setChecked(true);
  StartAtUtc(kStart);
  FrmImmagine* map = Open();
  Tick(600);
  const std::string row = RowText(0);
  EXPECT_EQ(map->LblSatName->text(), qt::ToQString(SampleSatellites()[0].Name).trimmed());
  EXPECT_EQ(Text(map->LblAZ), row.substr(9, 4));
  EXPECT_EQ(Text(map->LblEL), row.substr(13, 4));
  EXPECT_EQ(Text(map->LblLAT), row.substr(41, 4));
  EXPECT_EQ(Text(map->LblLON), row.substr(45, 4));
  EXPECT_EQ(state.SubSatLat, row.substr(41, 4));

  // Closed: nothing is written, the last point is kept, and "MAP" starts afresh.
  map->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  const std::string lat = state.SubSatLat;
  Tick(1200);
  EXPECT_EQ(state.SubSatLat, lat);
  EXPECT_NE(RowText(0).substr(41, 4), lat);
  map = Open();
  EXPECT_EQ(map->Picture1->pos(), Centre());
  ExpectDesignCaptions(map);
}

TEST_F(MapWindow, EmptyTableKeepsTheCaptionsAndCommand1PlacesTheMarker) {
  MakeForm(LoaderOf({}));
  StartAtUtc(kStart);
  FrmImmagine* map = Open();
  Tick(1);
  ExpectDesignCaptions(map);
  // No point yet: the marker stays.
  map->Command1->click();
  EXPECT_EQ(map->Picture1->pos(), Centre());

  state.SubSatLat = "  45";
  state.SubSatLon = " -90";
  map->Command1->click();
  const QRect marker = map->Picture1->geometry();
  const QPoint point(form->Twips(90 * 20), form->Twips(45 * 20));
  EXPECT_LE(std::abs(marker.center().x() - point.x()), 1);
  EXPECT_LE(std::abs(marker.center().y() - point.y()), 1);
}

}  // namespace
}  // namespace rdz::test
