// The tracking controller through the real main window and a recording port.
#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QDeadlineTimer>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "mainwindow/tracking_picture.h"
#include "platform/qt/qt_text.h"
#include "rotor/kv250.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

const CivilTime kStart{2026, 5, 11, 0, 0, 0};

class RotorWindow : public WindowTest {
 protected:
  void SetUp() override {
    std::vector<ElementSet> sats = SampleSatellites();
    sats.resize(40);  // rows 40..59 stay empty
    MakeForm(LoaderOf(sats));
    StartAtUtc(kStart);
    for (int row = 0; row < 40; ++row) {
      (std::stoi(RowText(row).substr(13, 4)) > 0 ? up : down) = row;
    }
    ASSERT_GE(up, 0);
    ASSERT_GE(down, 0);
  }
  void Refresh() { form->Timer1Tick(); }
  QRadioButton* Option(int i) const { return form->Option1[static_cast<std::size_t>(i)]; }
  std::string Az() const { return qt::FromQString(form->LblAZ->text()); }
  std::string El() const { return qt::FromQString(form->LblEL->text()); }
  std::string Status() const { return qt::FromQString(Option(60)->text()); }
  std::string TrimmedName(int row) const {
    std::string name = state.Elements[row + 1].Name;
    return name.erase(name.find_last_not_of(' ') + 1);
  }
  bool PictureShown() const { return !form->ImgAZEL->isHidden(); }
  std::vector<int> Transfer(std::uint16_t word) const {
    const auto w = Kv250Writes(word);
    return {w.begin(), w.end()};
  }
  void Track() {
    Option(up)->click();
    Refresh();
    form->Timer2Tick();
    port.writes.clear();
  }

  int up = -1, down = -1;
};

TEST_F(RotorWindow, SatelliteThatIsUpIsSentAfterTheNextRefreshThenEveryFourSeconds) {
  Option(up)->click();
  EXPECT_EQ(Status(), "KV 250 [QO-100]");  // the only one up, its name trimmed
  EXPECT_EQ(Az(), "StBy");
  EXPECT_TRUE(PictureShown());
  EXPECT_FALSE(form->Timer2.Enabled());
  EXPECT_TRUE(port.writes.empty());

  Refresh();
  ASSERT_NE(Az(), "StBy");
  EXPECT_EQ(form->windowTitle().toStdString(), "A:" + Az() + " E:" + El() + " " + kStandardCaption);
  EXPECT_EQ(Background(form->LblSat[static_cast<std::size_t>(up)]), QColor(0x80, 0xFF, 0x80));
  EXPECT_EQ(Foreground(form->LblSat[static_cast<std::size_t>(up)]), QColor(0xC0, 0x00, 0x00));
  EXPECT_EQ(form->Timer2.Interval(), 1);
  const QDeadlineTimer deadline(5000);
  while (port.writes.empty() && !deadline.hasExpired()) QCoreApplication::processEvents();
  EXPECT_EQ(port.Values(), Transfer(Kv250Word(std::stod(Az()), std::stod(El()))));
  EXPECT_EQ(form->Timer2.Interval(), 4000);
  EXPECT_TRUE(Option(60)->font().bold());

  // The next refresh leaves the running countdown alone.
  Refresh();
  EXPECT_GT(form->Timer2.RemainingTime(), 3000);
  form->Timer2Tick();
  EXPECT_EQ(port.writes.size(), 98u);

  port.writes.clear();  // due north is followed like any other direction
  form->ShowRotorPosition("0", "35");
  form->Timer2Tick();
  EXPECT_EQ(port.Values(), Transfer(Kv250Word(0.0, 35.0)));
  EXPECT_TRUE(form->Timer2.Enabled());
}

TEST_F(RotorWindow, SatelliteBelowTheHorizonOrInAnEmptyRowIsNeverSent) {
  for (int row : {down, 59}) {
    Option(row)->click();
    Refresh();
    EXPECT_EQ(Az(), "StBy");
    EXPECT_EQ(El(), "StBy");
    EXPECT_FALSE(form->Timer2.Enabled());
    EXPECT_EQ(Background(form->LblSat[static_cast<std::size_t>(down)]), form->palette().color(QPalette::Button));
    // The live table does not visit an empty row, so only a real one hides the picture.
    EXPECT_EQ(PictureShown(), row == 59);
  }
  EXPECT_EQ(Status(), "KV 250 []");
  EXPECT_TRUE(port.writes.empty());
}

TEST_F(RotorWindow, ParkFromTrackingOrOffSendsTheRestPositionOnceAndSwitchingOffSendsNothing) {
  Track();
  form->CmdRotor->click();
  EXPECT_TRUE(Option(60)->isChecked());
  EXPECT_EQ(Status(), "KV 250 tracker Offline");
  EXPECT_EQ(Az(), "PARK");
  EXPECT_EQ(form->windowTitle().toStdString(), kStandardCaption);
  EXPECT_FALSE(form->Timer2.Enabled());
  EXPECT_FALSE(PictureShown());
  EXPECT_EQ(port.Values(), Transfer(0x007F));

  Track();
  QFocusEvent mouseFocus(QEvent::FocusIn, Qt::MouseFocusReason);  // as a real click brings
  QCoreApplication::sendEvent(Option(60), &mouseFocus);
  Option(60)->click();
  EXPECT_EQ(Az(), "StBy");
  EXPECT_FALSE(form->Timer2.Enabled());
  EXPECT_FALSE(Option(60)->font().bold());
  EXPECT_TRUE(port.writes.empty());
  Option(60)->setText("Antenna Tracker OFF");
  form->CmdRotor->click();  // already off: the selection handler does not run
  EXPECT_EQ(Status(), "Antenna Tracker OFF");
  EXPECT_EQ(port.Values(), Transfer(0x007F));
}

TEST_F(RotorWindow, FocusOnAnOptionSendsOnceAndStopsUntilTheNextRefresh) {
  Track();
  QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
  QCoreApplication::sendEvent(Option(down), &focus);
  EXPECT_EQ(port.writes.size(), 49u);
  EXPECT_EQ(Status(), "KV 250 tracker Offline");
  EXPECT_FALSE(form->Timer2.Enabled());
  EXPECT_FALSE(PictureShown());
  Refresh();
  EXPECT_TRUE(form->Timer2.Enabled());
  EXPECT_EQ(Status(), "KV 250 tracker Offline");
}

// Arrow keys select the next button before they move the focus to it; the
// status must be the selection's, not the focus step's.
TEST_F(RotorWindow, ArrowKeysSelectAndTrackTheNextSatellite) {
  form->show();
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  const int first = up == 0 ? 1 : up - 1;
  QTest::mouseClick(Option(first), Qt::LeftButton);
  ASSERT_TRUE(Option(first)->hasFocus());
  EXPECT_EQ(Status(), "KV 250 [" + TrimmedName(first) + "]");
  QTest::keyClick(Option(first), first < up ? Qt::Key_Down : Qt::Key_Up);
  ASSERT_TRUE(Option(up)->isChecked());
  EXPECT_TRUE(Option(up)->hasFocus());
  EXPECT_EQ(Status(), "KV 250 [QO-100]");
  QCoreApplication::processEvents();
  Refresh();
  EXPECT_NE(Az(), "StBy");
  EXPECT_TRUE(form->Timer2.Enabled());
  EXPECT_EQ(Status(), "KV 250 [QO-100]");
}

}  // namespace
}  // namespace rdz::test
