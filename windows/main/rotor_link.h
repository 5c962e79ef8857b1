#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <string>

#include "core/settings/rotor_config.h"
#include "windows/devices/rotor_dialog.h"
#include "core/load/tracker_state.h"
#include "core/ports/services.h"
#include "core/rotor/rotor_driver.h"

class QLabel;

namespace rdz {

class FrmTrack;

// The rotor in use behind the main window, the KV250 on LPT1 or LPT2 or a
// Hamlib rotor, following the satellite selected for tracking. Its calls run
// on the rotor's own thread; its status line says what it drives and how.
class RotorLink final : public QObject {
 public:
  RotorLink(FrmTrack& window, TrackerState& state, const Services& services);

  // Takes `config` into use; `save` writes it to config.txt as well. The
  // rotor in use before is left to finish its call on its own.
  void Use(const RotorConfig& config, bool save);
  const RotorConfig& InUse() const { return config_; }
  // "Tracker -> Other": the rotor dialog, not modal; OK takes its rotor into use.
  void ChooseOther();
  RotorDialog* Dialog() const { return dialog_; }
  // Takes the rotor's answers and looks at the selected satellite.
  void Tick();
  // "PARK ANTENNA".
  void Park();
  RotorDriver* Driver() const { return driver_.get(); }
  // What the tracker status line names: "KV 250" or the Hamlib model.
  const std::string& DeviceName() const { return name_; }

  QTimer Timer;              // polls the rotor four times a second
  QLabel* Status = nullptr;  // what the rotor does, or why it does not

 private:
  void ShowStatus();
  void ShowCheckMarks();

  FrmTrack& window_;
  TrackerState& state_;
  Services services_;
  RotorConfig config_;
  std::string name_ = "KV 250";
  std::unique_ptr<RotorDriver> driver_;
  QPointer<RotorDialog> dialog_;
};

}  // namespace rdz
