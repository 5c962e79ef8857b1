#pragma once
#include <vector>

#include "core/settings/rig_config.h"
#include "windows/devices/device_dialog.h"

class QCheckBox;
class QPushButton;

namespace rdz {

// "Tracker -> Radio": a Hamlib rig model, its port and speed, its receive and
// transmit VFOs and the thresholds; how the uplink is sent (split, the radio's
// satellite mode, a second radio named "MODEL PORT [SPEED]", or not at all)
// and whether the offset is remembered at LOS. "No radio" leaves every radio alone.
class RigDialog final : public DeviceDialog {
 public:
  RigDialog(const std::vector<DeviceModel>& models, const RigConfig& current, QWidget* parent = nullptr);

  // The choice as shown; without a radio after "No radio".
  RigConfig Result() const;

  QComboBox* ReceiveVfo = nullptr;
  QComboBox* TransmitVfo = nullptr;
  QDoubleSpinBox* ThresholdSsb = nullptr;
  QDoubleSpinBox* ThresholdFm = nullptr;
  QComboBox* Uplink = nullptr;        // "Split", "Satellite mode", "Second radio", "Receive only"
  QLineEdit* SecondRadio = nullptr;   // MODEL PORT [SPEED] of the uplink's radio
  QCheckBox* OffsetAtLos = nullptr;
  QPushButton* NoRadio = nullptr;

 private:
  void UpdateOk() override;

  bool none_ = false;
};

}  // namespace rdz
