// The rotor handlers of the main window: satellite selection and "PARK
// ANTENNA". What the controls show is in rotor/tracking_controller; where the
// rotor points is the rotor link's.
#include "windows/main/frm_track.h"
#include "windows/main/live_table_panel.h"
#include "windows/main/rotor_link.h"
#include "windows/main/rotor_panel.h"

namespace rdz {

void FrmTrack::Option1Click(int index) {
  StopFollowingBody();
  SelectForTracking(index, state_.Elements, Rotors->DeviceName(), *this);
  Rotors->Tick();
  ShowDoppler();
}

void FrmTrack::CmdRotorClick() {
  StopFollowingBody();
  ParkAntenna(state_.Elements, Rotors->DeviceName(), *this);
  Rotors->Park();
}

void FrmTrack::ShowTrackerCaption() {
  const int option = SelectedOption();
  const std::string text = rotor_->TrackerStatus();
  if (trackedBody_) {
    const std::string name = BodyName(*trackedBody_);
    ShowTrackerStatus(TrackerCaption(Rotors->DeviceName(), &name));
  } else if (option >= 0 && option < kTrackerOffOption) {
    ShowTrackerStatus(TrackerCaption(Rotors->DeviceName(), &state_.Elements[option + 1].Name));
  } else if (text.ends_with(" tracker Offline")) {
    ShowTrackerStatus(TrackerCaption(Rotors->DeviceName(), nullptr));
  }
}

void FrmTrack::ShowTrackerStatus(const std::string& caption) { rotor_->ShowTrackerStatus(caption); }

bool FrmTrack::SelectTrackerOff() {
  if (table_->CheckedOption() == kTrackerOffOption) return false;
  table_->Check(kTrackerOffOption);
  return true;
}

}  // namespace rdz
