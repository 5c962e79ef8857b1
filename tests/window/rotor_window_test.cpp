// The KV250 through the real main window: its follow rule, park, and what real
// key presses do to the label. Its status line is the one every device shares.
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "windows/main/rotor_link.h"
#include "windows/main/tracking_picture.h"
#include "platform/qt/qt_text.h"
#include "core/rotor/kv250.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

class RotorWindow : public WindowTest {
 protected:
  void SetUp() override {
    std::vector<ElementSet> sats = SampleSatellites();
    sats.resize(40);  // rows 40..59 stay empty
    MakeForm(LoaderOf(sats));
    StartAtUtc({2026, 5, 11, 0, 0, 0});
    for (int row = 0; row < 40; ++row) (std::stoi(RowText(row).substr(13, 4)) > 0 ? up : down) = row;
    ASSERT_TRUE(up >= 0 && down >= 0);
  }
  // One second of the window's time, and what the rotor makes of it.
  void Second() {
    clock.now = AddSeconds(clock.now, 1);
    form->Timer1Tick();
    PumpUntil([] { return false; }, 0.3);
  }
  QRadioButton* Option(int i) const { return WindowTest::Option(static_cast<std::size_t>(i)); }
  std::string Az() const { return qt::FromQString(Label("LblAZ")->text()); }
  std::string El() const { return qt::FromQString(Label("LblEL")->text()); }
  std::string Caption() const { return qt::FromQString(Option(60)->text()); }
  std::string Status() const { return qt::FromQString(form->Rotors->Status->text()); }
  std::size_t Writes() const { return port.Writes().size(); }
  static std::vector<int> Transfer(std::uint16_t word) {
    const auto w = Kv250Writes(word);
    return {w.begin(), w.end()};
  }

  int up = -1, down = -1;
};

// A satellite below the horizon or in an empty row is never sent. Real keys:
// the arrow key selects the satellite that is up, sent at once and every four
// seconds; Tab moves the focus onto the off button without switching the rotor
// off. Park sends the rest position once.
TEST_F(RotorWindow, OnlyASatelliteThatIsUpIsSentAtOnceThenEveryFourSecondsWhateverHasTheFocusAndParkOnce) {
  for (int row : {down, 59}) {
    Option(row)->click();
    Second();
    EXPECT_EQ(Az(), "StBy");
    EXPECT_FALSE(Option(60)->font().bold());
  }
  EXPECT_EQ(Caption(), "KV 250 []");
  EXPECT_EQ(Writes(), 0u);

  form->show();
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  const int first = up == 0 ? 1 : up - 1;
  QTest::mouseClick(Option(first), Qt::LeftButton);
  QWidget* table = Control<QWidget>("LiveTable");
  ASSERT_TRUE(table->hasFocus());
  QTest::keyClick(table, first < up ? Qt::Key_Down : Qt::Key_Up);
  QTest::keyClick(table, Qt::Key_Space);
  ASSERT_TRUE(Option(up)->isChecked());
  EXPECT_EQ(Caption(), "KV 250 [QO-100]");  // the only one up, its name trimmed
  ASSERT_TRUE(PumpUntil([&] { return Writes() == 49; }, 5)) << Status();
  form->Timer1Tick();
  ASSERT_NE(Az(), "StBy");
  EXPECT_EQ(port.Values(), Transfer(Kv250Word(std::stod(Az()), std::stod(El()))));
  EXPECT_TRUE(PumpUntil([&] { return Option(60)->font().bold(); }, 2));
  EXPECT_EQ(Status(), "rotor: KV 250 LPT1   sent AZ EL " + Az() + ".0 " + El() + ".0");
  Option(60)->setFocus(Qt::TabFocusReason);  // as Tab brings it
  ASSERT_TRUE(Option(60)->hasFocus());
  for (int s = 1; s < 4; ++s) Second();
  EXPECT_EQ(Writes(), 49u);
  Second();
  EXPECT_TRUE(PumpUntil([&] { return Writes() == 98; }, 2));
  EXPECT_TRUE(Option(up)->isChecked() && Option(60)->font().bold());

  port.Clear();
  Button("CmdRotor")->click();
  EXPECT_TRUE(Option(60)->isChecked());
  EXPECT_EQ(Caption(), "KV 250 tracker Offline");
  EXPECT_EQ(Az(), "PARK");
  ASSERT_TRUE(PumpUntil([&] { return Writes() == 49; }, 2));
  for (int s = 0; s < 5; ++s) Second();
  EXPECT_EQ(port.Values(), Transfer(0x007F));
  for (const auto& write : port.Writes()) EXPECT_EQ(write.address, 888);
  EXPECT_FALSE(Option(60)->font().bold());  // parked, it follows nothing
}

}  // namespace
}  // namespace rdz::test
