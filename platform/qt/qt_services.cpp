#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>

#include "platform/qt/qt_text.h"

namespace rdz::qt {

CivilTime QtClock::Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return CivilTime{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

void QtEventLoop::LetPendingEventsRun() { QCoreApplication::processEvents(); }

void QtMessageBox::Show(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                  ToQString(title.empty() ? std::string(kProgramName) : title), ToQString(text),
                  QMessageBox::Ok, parent_);
  // Names and addresses come from downloaded files: never read them as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void QtSound::PlayClosingSound() { QApplication::beep(); }

QColor ToQColor(Colour colour, const QPalette& palette) {
  switch (colour.role()) {
    case Colour::Role::ButtonFace:
      return palette.color(QPalette::Button);
    case Colour::Role::ButtonText:
      return palette.color(QPalette::ButtonText);
    case Colour::Role::Value:
      break;
  }
  return QColor(colour.Red(), colour.Green(), colour.Blue());
}

}  // namespace rdz::qt
