#pragma once
#include <vector>

#include "core/settings/rotor_config.h"
#include "windows/devices/device_dialog.h"

class QCheckBox;

namespace rdz {

// "Tracker -> Other": a Hamlib rotor model, its port and speed, and how it is driven.
class RotorDialog final : public DeviceDialog {
 public:
  RotorDialog(const std::vector<DeviceModel>& models, const RotorConfig& current, QWidget* parent = nullptr);

  // The choice as shown: a Hamlib rotor with the settings of the fields.
  RotorConfig Result() const;

  QComboBox* AzimuthRange = nullptr;
  QComboBox* MaxElevation = nullptr;
  QDoubleSpinBox* MinChange = nullptr;
  QDoubleSpinBox* Interval = nullptr;
  QDoubleSpinBox* MinElevation = nullptr;
  QDoubleSpinBox* ParkAzimuth = nullptr;
  QDoubleSpinBox* ParkElevation = nullptr;
  QDoubleSpinBox* WaitMinutes = nullptr;
  QCheckBox* ParkAfterLos = nullptr;
};

}  // namespace rdz
