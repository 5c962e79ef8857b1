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
    // A difference that is not a number shows on the UTC clock instead of the frozen instant.
    if (form->lblOrario->text() != QStringLiteral("invalid")) {
      EXPECT_EQ(qt::FromQString(form->lblData->text()), state.UtcDateText);
      EXPECT_EQ(qt::FromQString(form->lblOrario->text()), state.UtcTimeText);
    }
    return qt::FromQString(form->LblPCData->text() + " " + form->LblPCTime->text()) + " | " +
           state.UtcDateText + " " + state.UtcTimeText;
  }
  std::string Rows() const {
    std::string all;
    for (int i = 0; i < 60; ++i) all += RowText(i) + "\n";
    return all;
  }
  QLocale savedLocale_;
};

TEST_F(ClockTick, DifferenceInHoursAcrossDaysAndYearsInTheUsersNumberFormat) {
  EXPECT_EQ(TickAt({2026, 5, 12, 0, 30, 0}, "1"), "12/05/2026 00:30:00 | 11/05/2026 23:30:00");
  EXPECT_EQ(TickAt({2026, 12, 31, 21, 15, 7}, "-5"), "31/12/2026 21:15:07 | 01/01/2027 02:15:07");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(TickAt({2026, 5, 12, 10, 0, 0}, "5,5"), "12/05/2026 10:00:00 | 12/05/2026 04:30:00");
}

// Each tick refreshes the table, but letters freeze UTC and with it the table,
// and the UTC clock says that the difference is invalid.
TEST_F(ClockTick, LettersFreezeUtcAndTheTableWhileThePcClockRuns) {
  TickAt({2026, 5, 12, 10, 0, 0}, "1");
  const std::string shown = Rows();
  for (const QString bad : {"abc", "", "1e9", "nan"}) {
    EXPECT_EQ(TickAt({2026, 5, 12, 10, 7, 5}, bad), "12/05/2026 10:07:05 | 12/05/2026 09:00:00");
    EXPECT_EQ(qt::FromQString(form->lblOrario->text()), "invalid");
    EXPECT_EQ(Rows(), shown);  // computed for the frozen instant
  }
  EXPECT_EQ(TickAt({2026, 5, 12, 10, 7, 10}, "1"), "12/05/2026 10:07:10 | 12/05/2026 09:07:10");
  EXPECT_NE(Rows(), shown);
}

}  // namespace
}  // namespace rdz::test
