#pragma once
#include <memory>

#include "core/radio/offset_file.h"
#include "core/radio/rig_driver.h"
#include "core/settings/rig_config.h"
#include "windows/devices/rig_dialog.h"
#include "windows/main/device_link.h"

namespace rdz {

// The radio behind the main window: kept on the chosen transponder of the
// satellite selected for tracking, on its own timer and thread.
class RigLink final : public DeviceLink {
 public:
  RigLink(FrmTrack& window, TrackerState& state, const Services& services)
      : DeviceLink(window, state, services, "radio") {}

  // Takes `config` into use; `save` writes it to config.txt as well. The
  // radio in use before is left to finish its call on its own.
  void Use(const RigConfig& config, bool save);
  const RigConfig& InUse() const { return config_; }
  // "Tracker -> Radio": the rig dialog, not modal; OK takes its radio into use.
  void Choose();
  RigDialog* Dialog() const { return dialog_; }
  // Takes the radio's answers, and once a second of the window's time one
  // look at the tracked satellite.
  void Tick() override;
  RigDriver* Driver() const { return driver_.get(); }

  // Where the satellite-side downlink of `t` stands: where the radio follows
  // it, else its middle moved by the offset remembered for the tracked satellite.
  std::optional<double> SatelliteDownlink(const Transponder& t) const;
  // The operator moves the followed transponder by `hz`, satellite side.
  void MoveBy(double hz);
  // "Remember offset" and "Reset offset" for the transponder followed.
  void RememberOffset();
  void ResetOffset();
  // Whether the radio follows the chosen transponder now.
  bool Following() const;
  const TransponderOffsets& Offsets() const { return offsets_; }
  // The tracked satellite as offsets.txt names it; empty when none is tracked.
  std::string SatelliteKey() const;

 private:
  void ShowStatus();
  const Transponder* Chosen() const;
  void SaveOffsets(const TransponderOffsets& offsets);

  RigConfig config_;
  std::string name_, transmitterName_;
  TransponderOffsets offsets_;
  std::unique_ptr<RigDriver> driver_;
  std::optional<CivilTime> looked_;  // the instant of the last look
  QPointer<RigDialog> dialog_;
};

}  // namespace rdz
