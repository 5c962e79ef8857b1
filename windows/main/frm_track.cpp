#include "windows/main/frm_track.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include "windows/main/alert_link.h"
#include "windows/main/rig_link.h"
#include "windows/main/rotor_link.h"
#include "windows/main/tracking_picture.h"
#include "core/table/element_age.h"
#include "core/load/settings_in_use.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_text.h"

namespace rdz {

FrmTrack::FrmTrack(TrackerState& state, const Services& services, ElementLoader loader,
                   QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      services_(services),
      loader_(std::move(loader)),
      forecast_(state_, services_.clock, *this) {
  // Every load (start-up, reload, downloads) reads the transmitter list again.
  loader_ = [this, inner = std::move(loader_)](const std::filesystem::path& dir, TrackerState& into) {
    const LoadOutcome outcome = inner(dir, into);
    FollowTrackedSatellite();
    ReadTransmitters();
    return outcome;
  };
  CreateControls();
  CreateMenus();
  Timer1.OnTick([this] { Timer1Tick(); });
  QObject::connect(Command1, &QPushButton::clicked, this, [this] { Command1Click(); });
  QObject::connect(CmdSky, &QPushButton::clicked, this, [this] { CmdSkyClick(); });
  ConnectRotor();
  Radios = new RigLink(*this, state_, services_);
  Alerts = new AlertLink(*this, state_, services_);
  ConnectForecast();
  ConnectSimulation();
  ConnectClockMarks();
}

FrmTrack::~FrmTrack() = default;

void FrmTrack::Load() {
  resize(Twips(13000), Twips(9000) + radioRowHeight_ + statusBar()->sizeHint().height());
  move(0, 0);
  setWindowTitle(QString::fromLatin1(kStandardCaption));
  // Before anything is loaded: the table is refreshed over an empty element table.
  Timer1Tick();
  state_.ElementFileName = kElementFileName;
  // On screen before the loading work starts.
  show();
  UseSettings(state_, ReadSettings(services_.programDir));
  loader_(services_.programDir, state_);
  Rotors->Use(state_.Config->rotor, false);
  Radios->Use(state_.Config->rig, false);
  settingsWatch_ = std::make_unique<qt::QtFileWatch>(services_.programDir / kConfigFileName,
                                                     [this] { SettingsChanged(); });
  RefreshLiveTable();
}

void FrmTrack::Timer1Tick() { ClockTick(state_.Time, services_.clock, *this); }

void FrmTrack::RefreshLiveTable() {
  if (state_.Time.Utc) {
    rdz::RefreshLiveTable(state_.Elements, state_.Models, state_.Station, *state_.Time.Utc, *this);
  }
  ShowElementStatus();
  ShowSettingsStatus();
  ShowDoppler();
  ShowBodyPosition();
  if (Alerts) Alerts->Tick();
}

void FrmTrack::ShowElementStatus() {
  ElementAgeTexts texts;
  if (state_.Time.Utc) texts = ElementAgeAt(state_, TrackedSatellite() - 1, *state_.Time.Utc);
  LblSatAge->setText(qt::ToQString(texts.selected));
  LblSatAge->setToolTip(qt::PlainToolTip(LblSatAge->text()));
  std::string status = state_.LoadSummary;
  if (!texts.warning.empty()) status += (status.empty() ? "" : "   ") + texts.warning;
  LblElementStatus->setText(qt::ToQString(status));
  LblElementStatus->setToolTip(qt::PlainToolTip(LblElementStatus->text()));  // the bar cuts long warnings
  const bool alarm = state_.LoadFailed || !texts.warning.empty();
  LblElementStatus->setStyleSheet(alarm ? QStringLiteral("color: #c00000") : QString());
}

std::optional<double> FrmTrack::UtcDifference() const {
  return qt::ReadUserNumber(TxtUtc->currentText());
}

void FrmTrack::ShowPcTime(const CivilTime& local) {
  LblPCData->setText(qt::ToQString(FormatDate(local)));
  LblPCTime->setText(qt::ToQString(FormatTime(local)));
}

void FrmTrack::ShowUtc(const CivilTime& utc) {
  lblOrario->setText(qt::ToQString(FormatTime(utc)));
  lblData->setText(qt::ToQString(FormatDate(utc)));
  utcValid_ = true;
  ShowClockMarks();
}

void FrmTrack::EnableClockTimer(bool on) { Timer1.SetEnabled(on); }

bool FrmTrack::SimulationTimerEnabled() const { return Timer3.Enabled(); }

void FrmTrack::EnableSimulationTimer(bool on) { Timer3.SetEnabled(on); }

void FrmTrack::SetSimulationInterval(int milliseconds) { Timer3.SetInterval(milliseconds); }

void FrmTrack::LetPendingEventsRun() { services_.events.LetPendingEventsRun(); }

void FrmTrack::UpdateFile() {
  for (int row = 0; row < kTableRows; ++row) ShowRow(row, "NO SAT...", RowColours{});
}

void FrmTrack::SetTrackerOffHighlight(bool on) {
  QRadioButton* off = Option1[kTrackerOffOption];
  QPalette p = off->palette();
  p.setColor(QPalette::WindowText,
             on ? QColor(192, 0, 0) : palette().color(QPalette::ButtonText));
  off->setPalette(p);
  QFont f = off->font();
  f.setBold(on);
  off->setFont(f);
}

void FrmTrack::closeEvent(QCloseEvent* event) {
  services_.sound.PlayClosingSound();
  event->accept();
  // Closing the main window ends the program, whatever other windows are open.
  QCoreApplication::quit();
}

void FrmTrack::ShowRow(int row, const std::string& text, RowColours colours) {
  QLabel* label = LblSat[static_cast<std::size_t>(row)];
  label->setText(qt::ToQString(text));  // QLabel ignores an unchanged text
  RowColours& shown = rowColours_[static_cast<std::size_t>(row)];
  if (shown == colours) return;
  QPalette p = label->palette();
  p.setColor(QPalette::Window, qt::ToQColor(colours.background, palette()));
  p.setColor(QPalette::WindowText, qt::ToQColor(colours.text, palette()));
  label->setPalette(p);
  shown = colours;
}

void FrmTrack::ShowRotorPosition(const std::string& az, const std::string& el) {
  LblAZ->setText(qt::ToQString(az));
  LblEL->setText(qt::ToQString(el));
}

void FrmTrack::ShowTitle(const std::string& caption) {
  caption_ = caption;
  ShowClockMarks();
}

void FrmTrack::ShowTrackingPicture(bool visible) { ImgAZEL->setVisible(visible); }

}  // namespace rdz
