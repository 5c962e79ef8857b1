// Live-table passes through the real main window.
#include <QLabel>
#include <QRadioButton>

#include "mainwindow/tracking_picture.h"
#include "orbit/engine.h"
#include "orbit/row_text.h"
#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

const CivilTime kStart{2026, 5, 11, 0, 0, 0};

std::vector<ElementSet> FirstSamples(std::size_t count) {
  std::vector<ElementSet> sats = SampleSatellites();
  EXPECT_GE(sats.size(), count);
  sats.resize(std::min(count, sats.size()));
  return sats;
}

// The first whole second from `from` at which satellite k's computed
// elevation lies in [low, high].
std::optional<CivilTime> FindElevation(const TrackerState& st, int k, double low, double high,
                                       const CivilTime& from) {
  const EngineContext engine = SetupEngine(st.Station);
  for (int s = 0; s < 2 * 86400; ++s) {
    const CivilTime t = AddSeconds(from, s);
    const double tn = TimeNow(engine, t.year, t.month, t.day, t.hour, t.minute, t.second);
    const auto p = PropagateSatellite(engine, st.Elements[k], t.year, tn);
    if (p && p->raw.elevation >= low && p->raw.elevation <= high) return t;
  }
  return std::nullopt;
}

class LiveTableWindow : public WindowTest {
 protected:
  void TickAtUtc(const CivilTime& utc) {
    clock.now = AddSeconds(utc, 3600);  // TxtUtc holds "1"
    form->Timer1Tick();
  }
  std::string Az() const { return qt::FromQString(form->LblAZ->text()); }
  std::string El() const { return qt::FromQString(form->LblEL->text()); }
  bool PictureShown() const { return !form->ImgAZEL->isHidden(); }
  QColor ButtonFace() const { return form->palette().color(QPalette::Button); }
};

TEST_F(LiveTableWindow, NoSatellitesChangeNothingEvenWithARowSelected) {
  MakeForm(LoaderOf({}));
  form->Option1[0]->setChecked(true);
  StartAtUtc(kStart);
  for (int i = 0; i < 60; ++i) EXPECT_EQ(RowText(i), "NO SAT") << i;
  EXPECT_EQ(Az(), "AZ");
  EXPECT_EQ(El(), "EL");
  EXPECT_EQ(form->windowTitle().toStdString(), kStandardCaption);
  EXPECT_FALSE(form->Timer2.Enabled());
}

TEST_F(LiveTableWindow, OneSatelliteFillsOnlyTheFirstRow) {
  MakeForm(LoaderOf(FirstSamples(1)));
  StartAtUtc(kStart);
  EXPECT_EQ(RowText(0).size(), 56u);
  EXPECT_EQ(RowText(0).substr(0, 9), state.Elements[1].Name);
  for (int i = 1; i < 60; ++i) EXPECT_EQ(RowText(i), "NO SAT") << i;
}

TEST_F(LiveTableWindow, SeventyFiveSatellitesFillAllSixtyRows) {
  MakeForm(LoaderOf(FirstSamples(75)));
  StartAtUtc(kStart);
  ASSERT_EQ(state.SatCount, 75);
  for (int i = 0; i < 60; ++i) EXPECT_EQ(RowText(i).substr(0, 9), state.Elements[i + 1].Name) << i;
}

TEST_F(LiveTableWindow, RowsAboveTheHorizonAreRed) {
  MakeForm(LoaderOf(FirstSamples(60)));
  StartAtUtc(kStart);
  int up = 0;
  for (int i = 0; i < 60; ++i) {
    const QLabel* row = form->LblSat[static_cast<std::size_t>(i)];
    const int el = std::stoi(RowText(i).substr(13, 4));
    if (el > 0) {
      ++up;
      EXPECT_EQ(Background(row), QColor(0xFF, 0xC0, 0xC0)) << i;
      EXPECT_EQ(Foreground(row), QColor(0xC0, 0x00, 0x00)) << i;
    } else {
      EXPECT_EQ(Background(row), ButtonFace()) << i;
    }
  }
  EXPECT_GT(up, 0);
  EXPECT_LT(up, 60);
}

TEST_F(LiveTableWindow, SelectedSatelliteRisesAndSetsAtHalfADegree) {
  MakeForm(LoaderOf(FirstSamples(3)));
  StartAtUtc(kStart);
  form->Option1[0]->setChecked(true);
  const auto rise04 = FindElevation(state, 1, 0.35, 0.45, kStart);
  ASSERT_TRUE(rise04);
  const auto rise06 = FindElevation(state, 1, 0.55, 0.65, *rise04);
  ASSERT_TRUE(rise06);
  const auto set04 = FindElevation(state, 1, 0.35, 0.45, AddSeconds(*rise06, 120));
  ASSERT_TRUE(set04);

  TickAtUtc(*rise04);  // 0.4 rounds to 0: not up yet
  EXPECT_EQ(Az(), "StBy");
  EXPECT_EQ(El(), "StBy");
  EXPECT_FALSE(form->Timer2.Enabled());
  EXPECT_FALSE(PictureShown());
  EXPECT_EQ(Background(form->LblSat[0]), ButtonFace());

  TickAtUtc(*rise06);  // 0.6 rounds to 1: up
  EXPECT_EQ(El(), "1");
  const std::string az = Az();
  EXPECT_EQ(az, std::to_string(std::stoi(RowText(0).substr(9, 4))));
  EXPECT_EQ(form->windowTitle().toStdString(), "A:" + az + " E:1 " + kStandardCaption);
  EXPECT_TRUE(form->Timer2.Enabled());
  EXPECT_TRUE(PictureShown());
  EXPECT_EQ(Background(form->LblSat[0]), QColor(0x80, 0xFF, 0x80));
  EXPECT_EQ(Foreground(form->LblSat[0]), QColor(0xC0, 0x00, 0x00));

  form->SetTrackerOffHighlight(true);  // as the rotor does after a command
  TickAtUtc(*set04);
  EXPECT_EQ(Az(), "StBy");
  EXPECT_EQ(form->windowTitle().toStdString(), kStandardCaption);
  EXPECT_FALSE(form->Timer2.Enabled());
  EXPECT_FALSE(PictureShown());
  EXPECT_FALSE(form->Option1[60]->font().bold());
  EXPECT_EQ(Foreground(form->Option1[60]), form->palette().color(QPalette::ButtonText));
}

TEST_F(LiveTableWindow, FailingSatelliteInTheMiddleDoesNotFreezeTheRowsAfterIt) {
  std::vector<ElementSet> sats = FirstSamples(5);
  sats[2].MeanMotion = 0;
  MakeForm(LoaderOf(sats));
  form->Option1[2]->setChecked(true);
  StartAtUtc(kStart);
  EXPECT_EQ(RowText(2), FailedRowText(sats[2].Name));
  EXPECT_EQ(Background(form->LblSat[2]), ButtonFace());
  EXPECT_EQ(RowText(3).substr(0, 9), sats[3].Name);
  EXPECT_EQ(RowText(4).substr(0, 9), sats[4].Name);
  EXPECT_EQ(RowText(4).size(), 56u);
  EXPECT_EQ(Az(), "StBy");
  EXPECT_FALSE(form->Timer2.Enabled());

  // The next ticks keep going past it as well.
  form->UpdateFile();
  TickAtUtc(AddSeconds(kStart, 60));
  EXPECT_EQ(RowText(2), FailedRowText(sats[2].Name));
  EXPECT_EQ(RowText(4).substr(0, 9), sats[4].Name);
}

}  // namespace
}  // namespace rdz::test
