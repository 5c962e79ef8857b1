#pragma once
#include <memory>
#include <string>

#include "core/rotor/rotor_driver.h"
#include "core/settings/rotor_config.h"
#include "windows/devices/rotor_dialog.h"
#include "windows/main/device_link.h"

namespace rdz {

// The rotor in use behind the main window, the KV250 on LPT1 or LPT2 or a
// Hamlib rotor, following the satellite selected for tracking. Its calls run
// on the rotor's own thread; its status line says what it drives and how.
class RotorLink final : public DeviceLink {
 public:
  RotorLink(FrmTrack& window, TrackerState& state, const Services& services)
      : DeviceLink(window, state, services, "rotor") {}

  // Takes `config` into use; `save` writes it to config.txt as well. The
  // rotor in use before is left to finish its call on its own.
  void Use(const RotorConfig& config, bool save);
  const RotorConfig& InUse() const { return config_; }
  // "Tracker -> Other": the rotor dialog, not modal; OK takes its rotor into use.
  void ChooseOther();
  RotorDialog* Dialog() const { return dialog_; }
  void Tick() override;
  // "PARK ANTENNA".
  void Park();
  RotorDriver* Driver() const { return driver_.get(); }
  // What the tracker status line names: "KV 250" or the Hamlib model.
  const std::string& DeviceName() const { return name_; }

 private:
  void ShowStatus();
  void ShowCheckMarks();

  RotorConfig config_;
  std::string name_ = "KV 250";
  std::unique_ptr<RotorDriver> driver_;
  QPointer<RotorDialog> dialog_;
};

}  // namespace rdz
