// The rotor handlers of the main window: satellite selection and "PARK
// ANTENNA". What the controls show is in rotor/tracking_controller; where the
// rotor points is the rotor link's.
#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include "windows/main/frm_track.h"
#include "windows/main/rotor_link.h"
#include "platform/qt/qt_text.h"

namespace rdz {

void FrmTrack::ConnectRotor() {
  Rotors = new RotorLink(*this, state_, services_);
  // Clicks and arrow keys only: selecting a button from code (the park
  // command) runs the handler itself, so it does not run twice.
  QObject::connect(Option1Group, &QButtonGroup::idClicked, this, [this](int index) { Option1Click(index); });
  // Whatever sets a button, the user or the park command, the choice is the satellite in its row.
  QObject::connect(Option1Group, &QButtonGroup::idToggled, this, [this](int index, bool on) {
    if (on) ChooseSatellite(index);
  });
  QObject::connect(CmdRotor, &QPushButton::clicked, this, [this] { CmdRotorClick(); });
}

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
  const std::string text = qt::FromQString(Option1[kTrackerOffOption]->text());
  if (trackedBody_) {
    const std::string name = BodyName(*trackedBody_);
    ShowTrackerStatus(TrackerCaption(Rotors->DeviceName(), &name));
  } else if (option >= 0 && option < kTrackerOffOption) {
    ShowTrackerStatus(TrackerCaption(Rotors->DeviceName(), &state_.Elements[option + 1].Name));
  } else if (text.ends_with(" tracker Offline")) {
    ShowTrackerStatus(TrackerCaption(Rotors->DeviceName(), nullptr));
  }
}

void FrmTrack::ShowTrackerStatus(const std::string& caption) {
  Option1[kTrackerOffOption]->setText(qt::ToQString(caption));
}

bool FrmTrack::SelectTrackerOff() {
  QRadioButton* off = Option1[kTrackerOffOption];
  if (off->isChecked()) return false;
  off->setChecked(true);
  return true;
}

}  // namespace rdz
