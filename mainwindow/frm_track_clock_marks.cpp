// What the clocks tell beyond the time: a UTC difference taken from the system
// until the user types one, a difference that is not a number, and simulated time.
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "mainwindow/frm_track.h"
#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

const QColor kInvalidColour(192, 0, 0);
const QColor kSimulatedColour(0, 0, 160);

void SetTextColour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(role, colour);
  w->setPalette(p);
}

// The headings keep their place: a longer one gets a smaller font to fit.
void SetHeading(QLabel* label, const QString& text) {
  if (!label->property("clockFont").isValid()) label->setProperty("clockFont", label->font());
  QFont font = label->property("clockFont").value<QFont>();
  while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(text) > label->width()) {
    font.setPointSizeF(font.pointSizeF() - 0.5);
  }
  label->setFont(font);
  label->setText(text);
}

}  // namespace

void FrmTrack::ConnectClockMarks() {
  // Only what the user does counts as typed; the window's own writes do not.
  QObject::connect(TxtUtc->lineEdit(), &QLineEdit::textEdited, this, [this] { utcDefault_.UserTyped(); });
  QObject::connect(TxtUtc, &QComboBox::activated, this, [this] { utcDefault_.UserTyped(); });
  // Runs after the button's own handler, so the marks show before the first tick.
  for (QPushButton* button : CmdStop) {
    QObject::connect(button, &QPushButton::clicked, this, [this] { ShowClockMarks(); });
  }
}

void FrmTrack::FollowZoneOffset() {
  if (const auto text = utcDefault_.Follow(services_.clock.UtcOffsetSeconds())) {
    QString shown = qt::ToQString(*text);
    shown.replace(QLatin1Char('.'), QLocale().decimalPoint());
    TxtUtc->setEditText(shown);
  }
}

bool FrmTrack::Simulating() const {
  // Paused keeps its step; a forecast started in real time has the forecast's step
  // and no simulation tick.
  return Timer3.Enabled() || (state_.TimeStep != 0 && state_.TimeStep != kForecastStep);
}

void FrmTrack::ShowUtcLabels(bool valid) {
  utcValid_ = valid;
  lblOrario->setText(valid ? qt::ToQString(state_.UtcTimeText) : QStringLiteral("invalid"));
  lblData->setText(valid ? qt::ToQString(state_.UtcDateText) : QStringLiteral("UTC DIFF"));
}

void FrmTrack::ShowClockMarks() {
  const bool simulating = Simulating();
  setWindowTitle(qt::ToQString(caption_) + (simulating ? QStringLiteral(" - SIMULATION") : QString()));
  if (shownMarks_ && shownMarks_->first == utcValid_ && shownMarks_->second == simulating) return;
  shownMarks_ = {utcValid_, simulating};
  const QColor normal = palette().color(QPalette::WindowText);
  const QColor clock = simulating ? kSimulatedColour : normal;
  for (QLabel* l : {LblPCData, LblPCTime}) SetTextColour(l, QPalette::WindowText, clock);
  for (QLabel* l : {lblData, lblOrario}) {
    SetTextColour(l, QPalette::WindowText, utcValid_ ? clock : kInvalidColour);
  }
  SetTextColour(TxtUtc, QPalette::Text, utcValid_ ? palette().color(QPalette::Text) : kInvalidColour);
  SetHeading(Label1, simulating ? QStringLiteral("SIM UTC:") : QStringLiteral("UTC:"));
  SetHeading(Label5, simulating ? QStringLiteral("SIM PC:") : QStringLiteral("PCtime:"));
}

}  // namespace rdz
