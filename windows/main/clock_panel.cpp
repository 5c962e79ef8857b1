#include "windows/main/clock_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

const QColor kInvalidColour(192, 0, 0);
const QColor kSimulatedColour(0, 0, 160);

QLabel* ClockLabel(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(14.25);
  font.setBold(true);
  label->setFont(font);
  return label;
}

void SetTextColour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(role, colour);
  w->setPalette(p);
}

}  // namespace

ClockPanel::ClockPanel(QWidget* parent) : QWidget(parent) {
  Label1 = ClockLabel("Label1", "UTC:", this);
  lblData = ClockLabel("lblData", "DD/MM/YYYY", this);
  lblOrario = ClockLabel("lblOrario", "00:00:00", this);
  Label5 = ClockLabel("Label5", "PCtime:", this);
  LblPCData = ClockLabel("LblPCData", "DD/MM/YYYY", this);
  LblPCTime = ClockLabel("LblPCTime", "00:00:00", this);
  // The headings and values keep the room of their longest texts, so a tick never moves them.
  const QFontMetrics clock(Label1->font());
  const int headW = clock.horizontalAdvance(QStringLiteral("SIM UTC:"));
  const int dateW = clock.horizontalAdvance(QStringLiteral("00/00/0000 "));
  for (QLabel* l : {Label1, Label5}) l->setMinimumWidth(headW);
  for (QLabel* l : {lblData, LblPCData}) l->setMinimumWidth(dateW);
  for (QLabel* l : {lblOrario, LblPCTime}) l->setMinimumWidth(clock.horizontalAdvance(QStringLiteral("00:00:00 ")));

  Label2 = new QLabel(QStringLiteral("UTC DIFF:"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  TxtUtc = new QComboBox(this);
  TxtUtc->setObjectName(QStringLiteral("TxtUtc"));
  TxtUtc->setEditable(true);
  TxtUtc->setInsertPolicy(QComboBox::NoInsert);
  for (int d = -12; d <= 12; ++d) TxtUtc->addItem(QString::number(d));
  TxtUtc->setCurrentIndex(TxtUtc->findText(QStringLiteral("1")));
  Label2->setBuddy(TxtUtc);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(6);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(lblData, 0, 1);
  grid->addWidget(lblOrario, 0, 2);
  grid->addWidget(Label5, 1, 0);
  grid->addWidget(LblPCData, 1, 1);
  grid->addWidget(LblPCTime, 1, 2);
  grid->addWidget(Label2, 0, 3);
  grid->addWidget(TxtUtc, 1, 3);

  const auto typed = [this] { emit utcDifferenceTyped(); };
  connect(TxtUtc->lineEdit(), &QLineEdit::textEdited, this, typed);
  connect(TxtUtc, &QComboBox::activated, this, typed);
}

QString ClockPanel::UtcDifferenceText() const { return TxtUtc->currentText(); }

void ClockPanel::ShowUtcDifference(const std::string& hours) {
  QString shown = qt::ToQString(hours);
  shown.replace(QLatin1Char('.'), QLocale().decimalPoint());
  TxtUtc->setEditText(shown);
}

void ClockPanel::ShowPcTime(const std::string& date, const std::string& time) {
  LblPCData->setText(qt::ToQString(date));
  LblPCTime->setText(qt::ToQString(time));
}

void ClockPanel::ShowUtc(const std::string& date, const std::string& time) {
  lblOrario->setText(qt::ToQString(time));
  lblData->setText(qt::ToQString(date));
  if (!utcValid_ || !marksShown_) {
    utcValid_ = true;
    ShowMarks();
  }
}

void ClockPanel::ShowUtcInvalid() {
  lblOrario->setText(QStringLiteral("invalid"));
  lblData->setText(QStringLiteral("UTC DIFF"));
  utcValid_ = false;
  ShowMarks();
}

void ClockPanel::ShowSimulated(bool simulated) {
  if (simulated == simulated_ && marksShown_) return;
  simulated_ = simulated;
  ShowMarks();
}

void ClockPanel::ShowMarks() {
  marksShown_ = true;
  const QColor normal = palette().color(QPalette::WindowText);
  const QColor clock = simulated_ ? kSimulatedColour : normal;
  for (QLabel* l : {LblPCData, LblPCTime}) SetTextColour(l, QPalette::WindowText, clock);
  for (QLabel* l : {lblData, lblOrario}) SetTextColour(l, QPalette::WindowText, utcValid_ ? clock : kInvalidColour);
  SetTextColour(TxtUtc, QPalette::Text, utcValid_ ? palette().color(QPalette::Text) : kInvalidColour);
  Label1->setText(simulated_ ? QStringLiteral("SIM UTC:") : QStringLiteral("UTC:"));
  Label5->setText(simulated_ ? QStringLiteral("SIM PC:") : QStringLiteral("PCtime:"));
}

}  // namespace rdz
