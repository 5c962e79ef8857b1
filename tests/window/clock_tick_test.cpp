// Timer1: the PC clock, UTC from the difference in TxtUtc, and the table's instant.
#include <QComboBox>
#include <QLabel>
#include <QLocale>

#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

class ClockTick : public WindowTest {
 protected:
  ClockTick() {
    MakeForm(LoaderOf(SampleSatellites()));
    form->Load();
  }
  ~ClockTick() override { QLocale::setDefault(savedLocale_); }

  // "PC date and time | UTC date and time"; UTC as shown is what the table reads.
  std::string TickAt(const CivilTime& local, const QString& difference) {
    clock.now = local;
    form->TxtUtc->setEditText(difference);
    form->Timer1Tick();
    return qt::FromQString(form->LblPCData->text() + " " + form->LblPCTime->text() + " | " +
                           form->lblData->text() + " " + form->lblOrario->text());
  }
  std::string Rows() const {
    std::string all;
    for (int i = 0; i < 60; ++i) all += RowText(i) + "\n";
    return all;
  }
  QLocale savedLocale_;
};

// The shifts themselves are the controller's; here the box is read in the user's format.
TEST_F(ClockTick, DifferenceInTheUsersNumberFormat) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(TickAt({2026, 5, 12, 10, 0, 0}, "5,5"), "12/05/2026 10:00:00 | 12/05/2026 04:30:00");
}

// Each tick refreshes the table, but letters freeze UTC and with it the table,
// and the UTC clock says that the difference is invalid.
TEST_F(ClockTick, LettersFreezeUtcAndTheTableWhileThePcClockRuns) {
  TickAt({2026, 5, 12, 10, 0, 0}, "1");
  const std::string shown = Rows();
  for (const QString bad : {"abc", "", "1e9", "nan"}) {
    EXPECT_EQ(TickAt({2026, 5, 12, 10, 7, 5}, bad), "12/05/2026 10:07:05 | UTC DIFF invalid");
    EXPECT_EQ(Rows(), shown);  // computed for the frozen instant
  }
  EXPECT_EQ(TickAt({2026, 5, 12, 10, 7, 10}, "1"), "12/05/2026 10:07:10 | 12/05/2026 09:07:10");
  EXPECT_NE(Rows(), shown);
}

}  // namespace
}  // namespace rdz::test
