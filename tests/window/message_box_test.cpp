// The real message box: a satellite name from a downloaded file is shown as
// it stands, never read as markup.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/qt/qt_services.h"

namespace rdz::qt {
namespace {

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
