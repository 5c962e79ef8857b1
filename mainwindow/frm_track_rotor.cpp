// The rotor handlers of the main window: satellite selection, focus on an
// option button, the Timer2 tick and "PARK ANTENNA". The logic is in
// rotor/tracking_controller; these only wire the controls to it.
#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "mainwindow/frm_track.h"
#include "mainwindow/rotor_link.h"
#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

// Runs a handler when one of the watched buttons gets the input focus from
// inside the program. Focus that returns with the window itself (switching
// back from another program or a closed box) is not the user moving to a
// button and must not stop the rotor.
class FocusWatcher final : public QObject {
 public:
  FocusWatcher(QObject* parent, std::function<void(QObject*)> handler)
      : QObject(parent), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      // A mouse click brings its own selection, which sets the final state;
      // the focus step would only send the old position once more before it.
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
          reason != Qt::MouseFocusReason) {
        handler_(watched);
      }
    }
    return false;
  }

 private:
  std::function<void(QObject*)> handler_;
};

}  // namespace

void FrmTrack::ConnectRotor() {
  Rotors = new RotorLink(*this, state_, services_);
  Timer2.OnTick([this] { Timer2Tick(); });
  // Clicks only: selecting a button from code (the park command) runs the
  // handler itself, so it does not run twice.
  QObject::connect(Option1Group, &QButtonGroup::idClicked, this,
                   [this](int index) { Option1Click(index); });
  // Whatever sets a button, the user or the park command, the choice is the satellite in its row.
  QObject::connect(Option1Group, &QButtonGroup::idToggled, this, [this](int index, bool on) {
    if (on) ChooseSatellite(index);
  });
  QObject::connect(CmdRotor, &QPushButton::clicked, this, [this] { CmdRotorClick(); });
  auto* watcher = new FocusWatcher(this, [this](QObject* button) {
    Option1GotFocus(Option1Group->id(static_cast<QAbstractButton*>(button)));
  });
  for (QRadioButton* option : Option1) option->installEventFilter(watcher);
}

void FrmTrack::Option1Click(int index) {
  justSelected_ = index;
  QTimer::singleShot(0, this, [this] { justSelected_ = -1; });
  SelectForTracking(index, state_.Elements, *this, Rotors->Kv250Port());
  ShowDoppler();
}

void FrmTrack::Option1GotFocus(int index) {
  // Arrow keys select the next button and then move the focus to it: within
  // one user action the selection has the last word, whichever comes first.
  if (index == justSelected_) return;
  TrackerOptionFocused(*this, Rotors->Kv250Port());
}

void FrmTrack::Timer2Tick() { RotorTick(*this, Rotors->Kv250Port()); }

void FrmTrack::CmdRotorClick() {
  ParkAntenna(state_.Elements, *this, Rotors->Kv250Port());
  Rotors->Park();
}

std::string FrmTrack::RotorAzimuthText() const { return qt::FromQString(LblAZ->text()); }

std::string FrmTrack::RotorElevationText() const { return qt::FromQString(LblEL->text()); }

void FrmTrack::SetRotorInterval(int milliseconds) { Timer2.SetInterval(milliseconds); }

void FrmTrack::ShowTrackerStatus(const std::string& caption) {
  Option1[kTrackerOffOption]->setText(qt::ToQString(caption));
}

void FrmTrack::EmphasiseTrackerStatus(bool on) { SetTrackerOffHighlight(on); }

bool FrmTrack::SelectTrackerOff() {
  QRadioButton* off = Option1[kTrackerOffOption];
  if (off->isChecked()) return false;
  off->setChecked(true);
  return true;
}

}  // namespace rdz
