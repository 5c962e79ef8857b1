#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

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

int QtMessageBox::Ask(const std::string& text, const std::string& title, const std::vector<std::string>& choices) {
  QMessageBox box(QMessageBox::Question, ToQString(title.empty() ? std::string(kProgramName) : title),
                  ToQString(text), QMessageBox::NoButton, parent_);
  box.setTextFormat(Qt::PlainText);
  std::vector<QPushButton*> buttons;
  for (const std::string& choice : choices) buttons.push_back(box.addButton(ToQString(choice), QMessageBox::AcceptRole));
  // Escape and the window's close button take the last choice, which changes nothing.
  if (!buttons.empty()) box.setEscapeButton(buttons.back());
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    if (box.clickedButton() == buttons[i]) return static_cast<int>(i);
  }
  return static_cast<int>(choices.size()) - 1;
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
