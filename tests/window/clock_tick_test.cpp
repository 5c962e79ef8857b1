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
  ClockTick() { MakeForm(LoaderOf(SampleSatellites())); }
  ~ClockTick() override { QLocale::setDefault(savedLocale_); }

  void TickAt(const CivilTime& local, const QString& difference) {
    clock.now = local;
    form->TxtUtc->setEditText(difference);
    form->Timer1Tick();
  }
  std::string Text(const QLabel* label) const { return qt::FromQString(label->text()); }
  void ExpectUtc(const std::string& date, const std::string& time) const {
    EXPECT_EQ(Text(form->lblData), date);
    EXPECT_EQ(Text(form->lblOrario), time);
    EXPECT_EQ(state.UtcDateText, date);
    EXPECT_EQ(state.UtcTimeText, time);
  }

 private:
  QLocale savedLocale_;
};

TEST_F(ClockTick, DefaultDifferenceAtHalfPastMidnightGivesTheDayBefore) {
  TickAt({2026, 5, 12, 0, 30, 0}, "1");
  EXPECT_EQ(Text(form->LblPCData), "12/05/2026");
  EXPECT_EQ(Text(form->LblPCTime), "00:30:00");
  ExpectUtc("11/05/2026", "23:30:00");
}

TEST_F(ClockTick, NegativeDifferencePutsUtcAhead) {
  TickAt({2026, 12, 31, 21, 15, 7}, "-5");
  ExpectUtc("01/01/2027", "02:15:07");
}

TEST_F(ClockTick, HalfHourDifferenceInTheUsersNumberFormat) {
  QLocale::setDefault(QLocale::c());
  TickAt({2026, 5, 12, 10, 0, 0}, "0.5");
  ExpectUtc("12/05/2026", "09:30:00");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  TickAt({2026, 5, 12, 10, 0, 0}, "5,5");
  ExpectUtc("12/05/2026", "04:30:00");
}

TEST_F(ClockTick, LettersFreezeUtcWhileThePcClockRuns) {
  TickAt({2026, 5, 12, 10, 0, 0}, "1");
  ExpectUtc("12/05/2026", "09:00:00");
  std::vector<std::string> rows;
  for (int i = 0; i < 60; ++i) rows.push_back(RowText(i));

  for (const QString bad : {"abc", "", "1e9", "nan"}) {
    TickAt({2026, 5, 12, 10, 7, 5}, bad);
    EXPECT_EQ(Text(form->LblPCTime), "10:07:05");
    ExpectUtc("12/05/2026", "09:00:00");
    // The table is computed for the frozen instant, so it shows what it showed.
    for (int i = 0; i < 60; ++i) EXPECT_EQ(RowText(i), rows[static_cast<std::size_t>(i)]) << i;
  }

  TickAt({2026, 5, 12, 10, 7, 10}, "1");
  ExpectUtc("12/05/2026", "09:07:10");
}

TEST_F(ClockTick, EachTickRefreshesTheTable) {
  form->UpdateFile();
  TickAt({2026, 5, 12, 10, 0, 0}, "1");
  EXPECT_EQ(RowText(0), "NO SAT...");  // nothing loaded yet
  form->Load();
  form->UpdateFile();
  TickAt({2026, 5, 12, 10, 0, 1}, "1");
  EXPECT_EQ(RowText(0).substr(0, 9), state.Elements[1].Name);
}

}  // namespace
}  // namespace rdz::test
