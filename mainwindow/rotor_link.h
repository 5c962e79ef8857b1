#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "config/rotor_config.h"
#include "devicedialogs/rotor_dialog.h"
#include "orbit/tracker_state.h"
#include "platform/services.h"
#include "rotor/rotor_driver.h"

class QLabel;

namespace rdz {

class FrmTrack;

// The rotor in use behind the main window: the KV250 on LPT1 or LPT2, or a
// Hamlib rotor driven by the pass planner on its own timer and thread. The
// tracking controller still decides what is tracked.
class RotorLink final : public QObject {
 public:
  RotorLink(FrmTrack& window, TrackerState& state, const Services& services);
  ~RotorLink() override;

  // Takes `config` into use; `save` writes it to config.txt as well.
  void Use(const RotorConfig& config, bool save);
  const RotorConfig& InUse() const { return config_; }
  // Where the KV250 commands go: nowhere while a Hamlib rotor is in use.
  ParallelPort& Kv250Port();
  // "Tracker -> Other": the rotor dialog, not modal; OK takes its rotor into use.
  void ChooseOther();
  RotorDialog* Dialog() const { return dialog_; }
  // One look at the selected satellite for the Hamlib rotor.
  void Tick();
  // "PARK ANTENNA" for the Hamlib rotor.
  void Park();
  RotorDriver* Driver() const { return driver_.get(); }

  QTimer Timer;            // the Hamlib rotor's interval
  QLabel* Status = nullptr;  // commanded and read-back position, or why the rotor stopped

 private:
  void ShowStatus();
  void ShowCheckMarks();
  void Collect();

  FrmTrack& window_;
  TrackerState& state_;
  Services services_;
  RotorConfig config_;
  std::unique_ptr<RotorDriver> driver_;
  QPointer<RotorDialog> dialog_;
};

}  // namespace rdz
