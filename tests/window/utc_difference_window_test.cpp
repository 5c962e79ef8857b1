// The UTC clock from the system's zone, pinned at known instants: right from the
// first tick in every zone, following daylight saving until the user types a
// difference; a difference that is not a number and simulated time say so.
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <cstdlib>
#include <ctime>

#include "platform/qt/qt_text.h"
#include "platform/system_clock.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

std::time_t UtcInstant(const CivilTime& t) {
  std::tm tm{};
  tm.tm_year = t.year - 1900, tm.tm_mon = t.month - 1, tm.tm_mday = t.day;
  tm.tm_hour = t.hour, tm.tm_min = t.minute, tm.tm_sec = t.second;
  return timegm(&tm);
}

class ZoneClock : public WindowTest {
 protected:
  ~ZoneClock() override {
    form.reset();
    QLocale::setDefault(savedLocale_);
    savedTz_ ? setenv("TZ", savedTz_->c_str(), 1) : unsetenv("TZ");
    tzset();
  }
  void StartIn(const char* zone, const CivilTime& utc) {
    setenv("TZ", zone, 1);
    now_ = UtcInstant(utc);
    const Services services{systemClock_, messages, sound, events, dir.path(), port.Ports(), {}};
    form = std::make_unique<FrmTrack>(state, services, LoaderOf(SampleSatellites()));
    form->Timer1.SetEnabled(false);
    form->Load();
  }
  std::string Difference() const { return qt::FromQString(form->TxtUtc->currentText()); }
  std::string UtcShown() const {
    return qt::FromQString(form->lblData->text() + " " + form->lblOrario->text());
  }
  void Type(const QString& text) {
    QLineEdit* edit = form->TxtUtc->lineEdit();
    edit->selectAll();
    for (const QChar c : text) {
      QKeyEvent key(QEvent::KeyPress, c.unicode(), Qt::NoModifier, QString(c));
      QCoreApplication::sendEvent(edit, &key);
    }
  }

  QLocale savedLocale_;
  std::time_t now_ = 0;
  SystemClock systemClock_{[this] { return now_; }};
  std::optional<std::string> savedTz_ =
      std::getenv("TZ") ? std::optional<std::string>(std::getenv("TZ")) : std::nullopt;
};

TEST_F(ZoneClock, TheUtcClockIsRealUtcFromTheFirstTickInEveryZone) {
  const struct {
    const char* zone;
    CivilTime utc;
    const char* difference;
  } cases[] = {
      {"Europe/Berlin", {2026, 1, 15, 12, 0, 0}, "1"},
      {"Europe/Berlin", {2026, 7, 15, 23, 30, 5}, "2"},
      {"Asia/Kolkata", {2026, 7, 15, 20, 0, 0}, "5.5"},
      {"UTC", {2026, 12, 31, 23, 59, 59}, "0"},
  };
  for (const auto& c : cases) {
    StartIn(c.zone, c.utc);
    EXPECT_EQ(Difference(), c.difference) << c.zone;
    EXPECT_EQ(UtcShown(), FormatDate(c.utc) + " " + FormatTime(c.utc)) << c.zone;
  }
}

TEST_F(ZoneClock, DaylightSavingIsFollowedUntilTheUserTypesAValue) {
  StartIn("Europe/Berlin", {2026, 3, 29, 0, 59, 59});  // the last second of winter time
  EXPECT_EQ(Difference(), "1");
  ++now_;
  form->Timer1Tick();
  EXPECT_EQ(Difference(), "2");
  EXPECT_EQ(UtcShown(), "29/03/2026 01:00:00");

  Type(QStringLiteral("3"));
  form->Timer1Tick();
  EXPECT_EQ(Difference(), "3");
  EXPECT_EQ(UtcShown(), "29/03/2026 00:00:00");  // what the user typed wins over the zone
}

// A difference that is not a number freezes UTC while the PC clock runs on; the
// box is read in the user's number format; simulated time is marked until stop.
TEST_F(ZoneClock, AnInvalidDifferenceAndSimulatedTimeAreMarked) {
  StartIn("UTC", {2026, 5, 11, 12, 0, 0});
  const QColor normal = Foreground(form->lblOrario);
  const std::string row = RowText(0);
  form->TxtUtc->setEditText("one");
  now_ += 600;
  form->Timer1Tick();
  EXPECT_EQ(UtcShown(), "UTC DIFF invalid");
  EXPECT_EQ(RowText(0), row);
  EXPECT_NE(Foreground(form->lblOrario), normal);
  EXPECT_EQ(qt::FromQString(form->LblPCTime->text()), "12:10:00");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  form->TxtUtc->setEditText(QStringLiteral("0,25"));
  form->Timer1Tick();
  EXPECT_EQ(UtcShown(), "11/05/2026 11:55:00");
  EXPECT_EQ(Foreground(form->lblOrario), normal);

  const std::string tracked = "A:10 E:20 " + std::string(kStandardCaption);
  const auto marked = [&] {
    return form->windowTitle().contains("SIMULATION") && form->Label1->text() != "UTC:" &&
           Foreground(form->LblPCTime) != normal;
  };
  form->CmdStop[kForward]->click();  // marked before the first tick
  EXPECT_TRUE(marked());
  const std::string real = RowText(0);
  form->Timer3Tick();
  EXPECT_EQ(UtcShown(), "11/05/2026 11:56:00");
  EXPECT_NE(RowText(0), real);
  form->ShowTitle(tracked);  // the table's caption keeps its text
  EXPECT_TRUE(form->windowTitle().startsWith(qt::ToQString(tracked)) && marked());
  form->CmdStop[kStop]->click();
  EXPECT_FALSE(marked());
  EXPECT_EQ(qt::FromQString(form->windowTitle()), tracked);
  form->Timer1.SetEnabled(false);
}

}  // namespace
}  // namespace rdz::test
