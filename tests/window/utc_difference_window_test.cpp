// The UTC difference box: the zone's value in the user's number format until
// the user types one; a difference that is not a number and simulated time say so.
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "platform/qt/qt_text.h"
#include "window/window_fixture.h"

namespace rdz::test {
namespace {

TEST_F(WindowTest, UtcDifferenceTypedWinsAndAnInvalidOneOrSimulatedTimeIsMarked) {
  const QLocale saved;
  const auto difference = [&] { return qt::FromQString(Control<QComboBox>("TxtUtc")->currentText()); };
  const auto utc = [&] { return qt::FromQString(Label("lblData")->text() + " " + Label("lblOrario")->text()); };
  MakeForm(LoaderOf(SampleSatellites()));
  clock.offset = 3600;
  clock.now = {2026, 5, 11, 13, 0, 0};
  form->Load();
  EXPECT_EQ(difference(), "1");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  clock.offset = 19800;
  Tick(0);
  EXPECT_EQ(difference(), "5,5");
  EXPECT_EQ(utc(), "11/05/2026 07:30:00");
  // Typed by key presses, as the user does: the zone no longer counts.
  QLineEdit* edit = Control<QComboBox>("TxtUtc")->lineEdit();
  edit->selectAll();
  QKeyEvent key(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
  QCoreApplication::sendEvent(edit, &key);
  clock.offset = 7200;
  Tick(0);
  EXPECT_EQ(difference(), "3");
  EXPECT_EQ(utc(), "11/05/2026 10:00:00");

  // Not a number: UTC stands still while the PC clock runs on.
  const QColor normal = Foreground(Label("lblOrario"));
  const std::string row = RowText(0);
  Control<QComboBox>("TxtUtc")->setEditText("one");
  Tick(600);
  EXPECT_EQ(utc(), "UTC DIFF invalid");
  EXPECT_EQ(RowText(0), row);
  EXPECT_NE(Foreground(Label("lblOrario")), normal);
  EXPECT_EQ(qt::FromQString(Label("LblPCTime")->text()), "13:10:00");
  Control<QComboBox>("TxtUtc")->setEditText(QStringLiteral("0,25"));
  Tick(0);
  EXPECT_EQ(utc(), "11/05/2026 12:55:00");
  EXPECT_EQ(Foreground(Label("lblOrario")), normal);

  const std::string tracked = "A:10 E:20 " + std::string(kStandardCaption);
  const auto marked = [&] {
    return form->windowTitle().contains("SIMULATION") && Label("Label1")->text() != "UTC:" &&
           Foreground(Label("LblPCTime")) != normal;
  };
  Stop(kForward)->click();  // marked before the first tick
  EXPECT_TRUE(marked());
  const std::string real = RowText(0);
  form->Timer3Tick();
  EXPECT_EQ(utc(), "11/05/2026 12:56:00");
  EXPECT_NE(RowText(0), real);
  form->ShowTitle(tracked);  // the table's caption keeps its text
  EXPECT_TRUE(form->windowTitle().startsWith(qt::ToQString(tracked)) && marked());
  Stop(kStop)->click();
  EXPECT_FALSE(marked());
  EXPECT_EQ(qt::FromQString(form->windowTitle()), tracked);
  form->Timer1.SetEnabled(false);
  QLocale::setDefault(saved);
}

}  // namespace
}  // namespace rdz::test
