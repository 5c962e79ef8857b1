// The time-simulation buttons and Timer3 wired to the controller.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

TEST_F(WindowTest, SimulationButtonsDriveTheTimersAndTheClocks) {
  MakeForm(LoaderOf(SampleSatellites()));
  StartAtUtc({2026, 5, 11, 12, 0, 0});  // local 13:00:00, TxtUtc "1"
  form->Timer1.SetEnabled(true);
  const std::string before = RowText(0);
  form->CmdStop[kFastForward]->click();
  EXPECT_FALSE(form->Timer1.Enabled());
  EXPECT_TRUE(form->Timer3.Enabled());
  form->TxtUtc->setEditText(QStringLiteral("3"));  // the PC clock shows local = UTC + 3
  form->Timer3Tick();
  EXPECT_EQ(qt::FromQString(form->lblOrario->text()), "12:10:00");
  EXPECT_EQ(qt::FromQString(form->LblPCTime->text()), "15:10:00");
  EXPECT_NE(RowText(0), before);  // the table follows the simulated time
  EXPECT_EQ(events.runs, 1);
  form->CmdStop[kStop]->click();
  EXPECT_TRUE(form->Timer1.Enabled());
  EXPECT_FALSE(form->Timer3.Enabled());
  EXPECT_EQ(qt::FromQString(form->lblOrario->text()), "10:00:00");
  form->Timer1.SetEnabled(false);
}

}  // namespace
}  // namespace rdz::test
