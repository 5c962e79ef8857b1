// config.txt taken into use while the program runs, and the tracked satellite
// followed by its identity through every change of the table.
#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>

#include "windows/main/frm_track.h"
#include "windows/main/rig_link.h"
#include "windows/main/rotor_link.h"
#include "core/load/settings_in_use.h"
#include "platform/qt/qt_text.h"

namespace rdz {

int FrmTrack::TrackedSatellite() const {
  const int k = SatelliteOfRow(state_, Option1Group->checkedId());
  // A row whose satellite is not the one chosen is never followed.
  return k > 0 && tracked_ && SameSatellite(IdentityOf(state_.Elements[k]), *tracked_) ? k : 0;
}

int FrmTrack::SelectedOption() const {
  const int k = TrackedSatellite();
  if (k > 0) return k - 1;
  const int checked = Option1Group->checkedId();
  return checked == kTrackerOffOption ? checked : -1;
}

void FrmTrack::ChooseSatellite(int option) {
  const int k = SatelliteOfRow(state_, option);
  tracked_.reset();
  if (k == 0) return;
  tracked_ = IdentityOf(state_.Elements[k]);
  trackingNote_.clear();
}

void FrmTrack::FollowTrackedSatellite() {
  if (!tracked_ || Option1Group->checkedId() == kTrackerOffOption) return;
  const int k = RowEntryOf(state_, *tracked_);
  if (k > 0) {
    if (Transponders.satellite == Option1Group->checkedId() + 1) Transponders.satellite = k;
    Option1[static_cast<std::size_t>(k - 1)]->setChecked(true);
    return;
  }
  const std::string gone = tracked_->name + " is no longer in the element file: tracking stopped";
  Option1[kTrackerOffOption]->setChecked(true);
  Option1Click(kTrackerOffOption);
  trackingNote_ = gone;
}

void FrmTrack::SettingsChanged() {
  auto now = std::make_shared<const Settings>(ReadSettings(services_.programDir));
  const SettingsChanges changes = ChangesBetween(*state_.Config, *now);
  if (!changes.Any()) {
    state_.Config = now;
    return;
  }
  UseSettings(state_, now);
  if (changes.selection) {
    UpdateFile();
    loader_(services_.programDir, state_);
  }
  // Only what the file changed: a device chosen in a dialog is saved and already in use.
  if (changes.rotor && !(now->rotor == Rotors->InUse())) Rotors->Use(now->rotor, false);
  if (changes.rig && !(now->rig == Radios->InUse())) Radios->Use(now->rig, false);
  if (changes.satellites) transpondersStale_ = true;
  RefreshLiveTable();
}

void FrmTrack::ShowSettingsStatus() {
  if (LblSettings == nullptr) {
    LblSettings = new QLabel(this);
    LblSettings->setTextFormat(Qt::PlainText);
    LblSettings->setStyleSheet(QStringLiteral("color: #c00000"));
    statusBar()->addWidget(LblSettings, 1);
  }
  std::string text;
  for (const std::string& warning : state_.Config->warnings) text += (text.empty() ? "" : "   ") + warning;
  if (!trackingNote_.empty()) text += (text.empty() ? "" : "   ") + trackingNote_;
  ShowStation();
  const QString shown = qt::ToQString(text);
  if (LblSettings->text() == shown) return;
  LblSettings->setText(shown);
  LblSettings->setToolTip(shown);
}

}  // namespace rdz
