// What the clocks tell beyond the time: a UTC difference the program wrote
// rather than the user, a difference that is not a number, and simulated time.
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "windows/main/frm_track.h"
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
  const auto typed = [this] { state_.Time.ZoneDifference.UserTyped(); };
  QObject::connect(TxtUtc->lineEdit(), &QLineEdit::textEdited, this, typed);
  QObject::connect(TxtUtc, &QComboBox::activated, this, typed);
}

void FrmTrack::ShowUtcDifference(const std::string& hours) {
  QString shown = qt::ToQString(hours);
  shown.replace(QLatin1Char('.'), QLocale().decimalPoint());
  TxtUtc->setEditText(shown);
}

void FrmTrack::ShowUtcInvalid() {
  lblOrario->setText(QStringLiteral("invalid"));
  lblData->setText(QStringLiteral("UTC DIFF"));
  utcValid_ = false;
  ShowClockMarks();
}

void FrmTrack::ShowSimulated(bool simulated) {
  simulated_ = simulated;
  ShowClockMarks();
}

void FrmTrack::ShowClockMarks() {
  const bool simulating = simulated_;
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
