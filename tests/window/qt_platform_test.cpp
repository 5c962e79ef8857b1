#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <thread>

#include "platform/qt/qt_services.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_timer.h"

namespace rdz::qt {
namespace {

TEST(QtTimer, EnablingARunningTimerKeepsItsCountdown) {
  QtTimer timer(100000, true);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.Enabled());
  // A restart would have put the full interval back.
  EXPECT_LE(timer.RemainingTime(), 100000 - 20);
}

TEST(UserNumber, TheLocalesFormatAndAlwaysThePoint) {
  const QLocale saved;
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(ReadUserNumber(" -5.75 "), -5.75);
  for (const char* bad : {"", "1a", "1,5"}) EXPECT_FALSE(ReadUserNumber(bad)) << bad;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(ReadUserNumber("0,5"), 0.5);
  EXPECT_EQ(ReadUserNumber("0.5"), 0.5);  // never 5
  QLocale::setDefault(saved);
}

TEST(QtColour, BlueGreenRedValuesAndSystemRoles) {
  // The rotor window's rows check red and the button face role.
  QPalette palette;
  palette.setColor(QPalette::ButtonText, QColor(4, 5, 6));
  EXPECT_EQ(ToQColor(Colour::Bgr(0xC0C0FF), palette), QColor(0xFF, 0xC0, 0xC0));
  EXPECT_EQ(ToQColor(kButtonText, palette), QColor(4, 5, 6));
}

// A satellite name from a downloaded file is shown as it stands, never read as markup.
TEST(QtMessageBoxTest, ShowsMarkupAsPlainTextWithTheGivenTitle) {
  QString shownText, shownTitle;
  Qt::TextFormat format = Qt::AutoText;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shownText = box->text();
    shownTitle = box->windowTitle();
    format = box->textFormat();
    box->accept();
  });
  QtMessageBox messages;
  messages.Show("<b>AO-07</b>", "RodeDizevad", MessageIcon::None);
  EXPECT_EQ(shownText, "<b>AO-07</b>");
  EXPECT_EQ(shownTitle, "RodeDizevad");
  EXPECT_EQ(format, Qt::PlainText);
}

}  // namespace
}  // namespace rdz::qt
