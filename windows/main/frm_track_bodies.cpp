// The Sun and the Moon as the rotor's target ("Tracker -> Sun", "Tracker ->
// Moon"), and "Info -> Alerts...".
#include <QAction>
#include <QLabel>
#include <cmath>

#include "core/settings/settings.h"
#include "windows/main/alert_link.h"
#include "windows/main/alerts_dialog.h"
#include "windows/main/frm_track.h"
#include "windows/main/rotor_link.h"
#include "core/orbit/body_look.h"

namespace rdz {

void FrmTrack::FollowBody(SkyBody body) {
  // No satellite is tracked while a body is: the tracker-off button is selected.
  SelectTrackerOff();
  trackedBody_ = body;
  ShowBodyChecks();
  ShowTrackerCaption();
  ShowBodyPosition();
  Rotors->Tick();
}

void FrmTrack::StopFollowingBody() {
  trackedBody_.reset();
  ShowBodyChecks();
}

void FrmTrack::ShowBodyChecks() {
  Menus.TrkSun->setChecked(trackedBody_ == SkyBody::Sun);
  Menus.TrkMoon->setChecked(trackedBody_ == SkyBody::Moon);
}

void FrmTrack::ShowBodyPosition() {
  if (!trackedBody_ || !state_.Time.Utc) return;
  const LookAngles look =
      BodyStateAt(*trackedBody_, state_.Station, static_cast<double>(UnixSeconds(*state_.Time.Utc))).look;
  ShowRotorPosition(std::to_string(static_cast<int>(std::nearbyint(look.azimuth)) % 360),
                    std::to_string(static_cast<int>(std::nearbyint(look.elevation))));
}

void FrmTrack::MnuAlertsClick() {
  if (alertsDialog_) {
    alertsDialog_->raise();
    return;
  }
  std::vector<SatelliteId> ids;
  for (int k = 1; k <= state_.SatCount; ++k) ids.push_back(IdentityOf(state_.Elements[k]));
  alertsDialog_ = new AlertsDialog(ids, state_.Config->alerts, this);
  alertsDialog_->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(alertsDialog_, &QDialog::accepted, this, [this] {
    if (const WriteOutcome saved = SaveAlertConfig(services_.programDir, alertsDialog_->Result()); !saved.ok) {
      services_.messages.Show("The alerts could not be saved in config.txt (" + saved.reason + ").", kProgramName);
      return;
    }
    SettingsChanged();
  });
  alertsDialog_->open();
}

}  // namespace rdz
