// config.txt taken into use while the program runs, and the tracked satellite
// followed by its identity through every change of the table.
#include "windows/main/frm_track.h"
#include "windows/main/live_table_panel.h"
#include "windows/main/status_panel.h"
#include "windows/main/rig_link.h"
#include "windows/main/rotor_link.h"
#include "core/load/settings_in_use.h"

namespace rdz {

int FrmTrack::TrackedSatellite() const {
  const int k = SatelliteOfRow(state_, table_->CheckedOption());
  // A row whose satellite is not the one chosen is never followed.
  return k > 0 && tracked_ && SameSatellite(IdentityOf(state_.Elements[k]), *tracked_) ? k : 0;
}

int FrmTrack::SelectedOption() const {
  const int k = TrackedSatellite();
  if (k > 0) return k - 1;
  const int checked = table_->CheckedOption();
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
  if (!tracked_ || table_->CheckedOption() == kTrackerOffOption) return;
  const int k = RowEntryOf(state_, *tracked_);
  if (k > 0) {
    if (Transponders.satellite == table_->CheckedOption() + 1) Transponders.satellite = k;
    table_->Check(k - 1);
    return;
  }
  const std::string gone = tracked_->name + " is no longer in the element file: tracking stopped";
  table_->Check(kTrackerOffOption);
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
  std::string text;
  for (const std::string& warning : state_.Config->warnings) text += (text.empty() ? "" : "   ") + warning;
  if (!trackingNote_.empty()) text += (text.empty() ? "" : "   ") + trackingNote_;
  ShowStation();
  status_->ShowSettings(text);
}

}  // namespace rdz
