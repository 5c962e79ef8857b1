#pragma once
#include <QDialog>
#include <vector>

#include "core/settings/rig_config.h"
#include "windows/devices/connection_fields.h"
#include "core/ports/rig.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace rdz {

// "Tracker -> Radio": a Hamlib rig model from the library's list (searched by
// maker or name), its port and speed, its receive and transmit VFOs and the
// thresholds; how the uplink is sent (split, the radio's satellite mode, a
// second radio named "MODEL PORT [SPEED]", or not at all) and whether the
// offset is remembered at LOS. "No radio" leaves every radio alone.
class RigDialog final : public QDialog {
 public:
  RigDialog(std::vector<RigModel> models, const RigConfig& current, QWidget* parent = nullptr);

  // The choice as shown; without a radio after "No radio".
  RigConfig Result() const;

  QLineEdit* Filter = nullptr;
  QListWidget* Models = nullptr;
  QLineEdit* Port = nullptr;
  QComboBox* Speed = nullptr;
  QComboBox* ReceiveVfo = nullptr;
  QComboBox* TransmitVfo = nullptr;
  QDoubleSpinBox* ThresholdSsb = nullptr;
  QDoubleSpinBox* ThresholdFm = nullptr;
  QComboBox* Uplink = nullptr;        // "Split", "Satellite mode", "Second radio", "Receive only"
  QLineEdit* SecondRadio = nullptr;   // MODEL PORT [SPEED] of the uplink's radio
  QCheckBox* OffsetAtLos = nullptr;
  QDialogButtonBox* Buttons = nullptr;
  QPushButton* NoRadio = nullptr;

 private:
  void UpdateOk();

  ConnectionFields fields_;

  bool none_ = false;
};

}  // namespace rdz
