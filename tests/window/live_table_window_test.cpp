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

// The first whole second from `from` at which satellite k's computed
// elevation lies in [low, high].
std::optional<CivilTime> FindElevation(const TrackerState& st, int k, double low, double high,
                                       const CivilTime& from) {
  const EngineContext engine = SetupEngine(st.Station);
  for (int s = 0; s < 2 * 86400; ++s) {
    const CivilTime t = AddSeconds(from, s);
    const auto p = st.Models[static_cast<std::size_t>(k - 1)]->At(engine, t);
    if (p && p->raw.elevation >= low && p->raw.elevation <= high) return t;
  }
  return std::nullopt;
}

// The window shows what the pass decides, and takes it back when the satellite sets.
TEST_F(WindowTest, SelectedSatelliteRisesAndSetsAtHalfADegree) {
  const CivilTime start{2026, 5, 11, 0, 0, 0};
  std::vector<ElementSet> sats = SampleSatellites();
  sats.resize(3);
  MakeForm(LoaderOf(sats));
  StartAtUtc(start);
  form->Option1[0]->setChecked(true);
  const auto rise06 = FindElevation(state, 1, 0.55, 0.65, start);
  ASSERT_TRUE(rise06);
  const auto set04 = FindElevation(state, 1, 0.35, 0.45, AddSeconds(*rise06, 120));
  ASSERT_TRUE(set04);
  const auto tickAtUtc = [this](const CivilTime& utc) {
    clock.now = AddSeconds(utc, 3600);  // TxtUtc holds "1"
    form->Timer1Tick();
  };
  const auto az = [this] { return qt::FromQString(form->LblAZ->text()); };
  const QColor buttonFace = form->palette().color(QPalette::Button);

  tickAtUtc(*rise06);  // 0.6 rounds to 1: up
  EXPECT_EQ(form->LblEL->text(), "1");
  EXPECT_EQ(az(), std::to_string(std::stoi(RowText(0).substr(9, 4))));
  EXPECT_EQ(form->windowTitle().toStdString(), "A:" + az() + " E:1 " + kStandardCaption);
  EXPECT_TRUE(form->Timer2.Enabled());
  EXPECT_FALSE(form->ImgAZEL->isHidden());
  EXPECT_EQ(Background(form->LblSat[0]), QColor(0x80, 0xFF, 0x80));
  EXPECT_EQ(Foreground(form->LblSat[0]), QColor(0xC0, 0x00, 0x00));

  form->SetTrackerOffHighlight(true);  // as the rotor does after a command
  tickAtUtc(*set04);  // 0.4 rounds to 0: down
  EXPECT_EQ(az(), "StBy");
  EXPECT_EQ(form->LblEL->text(), "StBy");
  EXPECT_EQ(form->windowTitle().toStdString(), kStandardCaption);
  EXPECT_FALSE(form->Timer2.Enabled());
  EXPECT_TRUE(form->ImgAZEL->isHidden());
  EXPECT_EQ(Background(form->LblSat[0]), buttonFace);
  EXPECT_FALSE(form->Option1[60]->font().bold());
  EXPECT_EQ(Foreground(form->Option1[60]), form->palette().color(QPalette::ButtonText));
}

}  // namespace
}  // namespace rdz::test
