#include "windows/main/frm_track.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include "core/load/settings_in_use.h"
#include "core/table/element_age.h"
#include "platform/qt/qt_text.h"
#include "windows/main/alert_link.h"
#include "windows/main/clock_panel.h"
#include "windows/main/live_table_panel.h"
#include "windows/main/radio_panel.h"
#include "windows/main/rig_link.h"
#include "windows/main/rotor_link.h"
#include "windows/main/rotor_panel.h"
#include "windows/main/status_panel.h"

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
  CreatePanels();
  CreateMenus();
  Rotors = new RotorLink(*this, state_, services_);
  Radios = new RigLink(*this, state_, services_);
  Alerts = new AlertLink(*this, state_, services_);
  ConnectPanels();
}

FrmTrack::~FrmTrack() = default;

void FrmTrack::Load() {
  resize(Twips(13000), Twips(9000));
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

void FrmTrack::CmdStopClick(int index) {
  SimulationClick(index, state_.Time, state_.TEMPOSCANN, services_.clock, *this);
}

void FrmTrack::Timer3Tick() { SimulationTick(state_.Time, services_.clock, *this); }

void FrmTrack::RefreshLiveTable() {
  if (state_.Time.Utc) {
    rdz::RefreshLiveTable(state_.Elements, state_.Models, state_.Station, *state_.Time.Utc, *this);
  }
  ShowMapRow();
  ShowElementStatus();
  ShowSettingsStatus();
  ShowDoppler();
  ShowBodyPosition();
  // The rotor is not nagged about while it has nothing to follow.
  status_->SetDevicesQuiet(TrackedSatellite() == 0 && !trackedBody_);
  if (Alerts) Alerts->Tick();
}

void FrmTrack::ShowElementStatus() {
  ElementAgeTexts texts;
  if (state_.Time.Utc) texts = ElementAgeAt(state_, TrackedSatellite() - 1, *state_.Time.Utc);
  radio_->ShowSatelliteAge(texts.selected);
  std::string status = state_.LoadSummary;
  if (!texts.warning.empty()) status += (status.empty() ? "" : "   ") + texts.warning;
  status_->ShowElements(status, state_.LoadFailed || !texts.warning.empty());
}

std::optional<double> FrmTrack::UtcDifference() const {
  return qt::ReadUserNumber(clocks_->UtcDifferenceText());
}

void FrmTrack::ShowUtcDifference(const std::string& hours) { clocks_->ShowUtcDifference(hours); }

void FrmTrack::ShowPcTime(const CivilTime& local) { clocks_->ShowPcTime(FormatDate(local), FormatTime(local)); }

void FrmTrack::ShowUtc(const CivilTime& utc) { clocks_->ShowUtc(FormatDate(utc), FormatTime(utc)); }

void FrmTrack::ShowUtcInvalid() { clocks_->ShowUtcInvalid(); }

void FrmTrack::ShowSimulated(bool simulated) {
  simulated_ = simulated;
  clocks_->ShowSimulated(simulated);
  ShowCaption();
}

void FrmTrack::ShowTitle(const std::string& caption) {
  caption_ = caption;
  ShowCaption();
}

void FrmTrack::ShowCaption() {
  setWindowTitle(qt::ToQString(caption_) + (simulated_ ? QStringLiteral(" - SIMULATION") : QString()));
}

void FrmTrack::EnableClockTimer(bool on) { Timer1.SetEnabled(on); }

bool FrmTrack::SimulationTimerEnabled() const { return Timer3.Enabled(); }

void FrmTrack::EnableSimulationTimer(bool on) { Timer3.SetEnabled(on); }

void FrmTrack::SetSimulationInterval(int milliseconds) { Timer3.SetInterval(milliseconds); }

void FrmTrack::LetPendingEventsRun() { services_.events.LetPendingEventsRun(); }

void FrmTrack::UpdateFile() {
  for (int row = 0; row < kTableRows; ++row) ShowRow(row, "NO SAT...", RowColours{});
}

void FrmTrack::SetTrackerOffHighlight(bool on) { rotor_->SetTrackerHighlight(on); }

void FrmTrack::closeEvent(QCloseEvent* event) {
  services_.sound.PlayClosingSound();
  event->accept();
  // Closing the main window ends the program, whatever other windows are open.
  QCoreApplication::quit();
}

void FrmTrack::ShowRow(int row, const std::string& text, RowColours colours) { table_->ShowRow(row, text, colours); }

std::string FrmTrack::RowText(int row) const { return table_->RowText(row); }

void FrmTrack::ClickOption(int option) { table_->Click(option); }

void FrmTrack::ShowRotorPosition(const std::string& az, const std::string& el) { rotor_->ShowPosition(az, el); }

void FrmTrack::ShowTrackingPicture(bool visible) { rotor_->ShowTrackingPicture(visible); }

}  // namespace rdz
