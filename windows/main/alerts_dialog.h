#pragma once
#include <QDialog>
#include <vector>

#include "core/settings/alert_config.h"
#include "core/table/satellite_id.h"

class QCheckBox;
class QDoubleSpinBox;
class QListWidget;

namespace rdz {

// "Info -> Alerts...": which satellites are announced, how long before AOS,
// and whether with a sound. Result() keeps what the dialog does not edit.
class AlertsDialog final : public QDialog {
 public:
  AlertsDialog(const std::vector<SatelliteId>& satellites, const AlertConfig& config, QWidget* parent = nullptr);
  AlertConfig Result() const;

  QListWidget* LstSatellites = nullptr;  // one checkable row per table entry
  QDoubleSpinBox* TxtLead = nullptr;     // minutes
  QCheckBox* ChkSound = nullptr;

 private:
  std::vector<SatelliteId> satellites_;
  AlertConfig config_;
};

}  // namespace rdz
