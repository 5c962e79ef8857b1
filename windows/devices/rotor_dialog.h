#pragma once
#include <QDialog>
#include <vector>

#include "core/settings/rotor_config.h"
#include "windows/devices/connection_fields.h"
#include "core/ports/rotor.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLineEdit;
class QListWidget;

namespace rdz {

// "Tracker -> Other": a Hamlib rotor model from the library's list (searched
// by maker or name), its port and speed, and how it is driven.
class RotorDialog final : public QDialog {
 public:
  RotorDialog(std::vector<RotorModel> models, const RotorConfig& current, QWidget* parent = nullptr);

  // The choice as shown: a Hamlib rotor with the settings of the fields.
  RotorConfig Result() const;

  QLineEdit* Filter = nullptr;
  QListWidget* Models = nullptr;
  QLineEdit* Port = nullptr;
  QComboBox* Speed = nullptr;
  QComboBox* AzimuthRange = nullptr;
  QComboBox* MaxElevation = nullptr;
  QDoubleSpinBox* MinChange = nullptr;
  QDoubleSpinBox* Interval = nullptr;
  QDoubleSpinBox* MinElevation = nullptr;
  QDoubleSpinBox* ParkAzimuth = nullptr;
  QDoubleSpinBox* ParkElevation = nullptr;
  QDoubleSpinBox* WaitMinutes = nullptr;
  QCheckBox* ParkAfterLos = nullptr;
  QDialogButtonBox* Buttons = nullptr;

 private:
  void UpdateOk();

  ConnectionFields fields_;
};

}  // namespace rdz
