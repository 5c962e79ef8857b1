#include "windows/devices/rotor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

namespace rdz {

RotorDialog::RotorDialog(const std::vector<DeviceModel>& models, const RotorConfig& current, QWidget* parent)
    : DeviceDialog(QStringLiteral("RodeDizevad - Rotor"), models,
                   current.choice.hamlib ? std::optional(current.choice.connection) : std::nullopt,
                   QStringLiteral("/dev/ttyUSB0, /dev/parport0 or host:4533"), parent) {
  const RotorSettings& s = current.settings;
  AzimuthRange = new QComboBox(this);
  AzimuthRange->addItems({QStringLiteral("0-360"), QStringLiteral("-180-180"), QStringLiteral("0-450")});
  AzimuthRange->setCurrentIndex(static_cast<int>(s.azimuthRange));
  MaxElevation = new QComboBox(this);
  MaxElevation->addItems({QStringLiteral("90"), QStringLiteral("180")});
  MaxElevation->setCurrentIndex(s.maxElevation >= 180 ? 1 : 0);
  MinChange = Number(0.1, 90, s.minChange, 1);
  Interval = Number(0.1, 3600, s.intervalSeconds, 1);
  MinElevation = Number(-10, 89, s.minElevation, 1);
  ParkAzimuth = Number(-180, 450, s.parkAzimuth, 1);
  ParkElevation = Number(0, 180, s.parkElevation, 1);
  WaitMinutes = Number(0, 24 * 60, s.waitMinutes, 1);
  ParkAfterLos = new QCheckBox(QStringLiteral("Park after LOS"), this);
  ParkAfterLos->setChecked(s.parkAfterLos);
  AddButtons();

  Form->addRow(QStringLiteral("Azimuth range"), AzimuthRange);
  Form->addRow(QStringLiteral("Maximum elevation"), MaxElevation);
  Form->addRow(QStringLiteral("Smallest change (degrees)"), MinChange);
  Form->addRow(QStringLiteral("Update interval (s)"), Interval);
  Form->addRow(QStringLiteral("Minimum elevation"), MinElevation);
  Form->addRow(QStringLiteral("Park azimuth"), ParkAzimuth);
  Form->addRow(QStringLiteral("Park elevation"), ParkElevation);
  Form->addRow(QStringLiteral("Wait before AOS (min)"), WaitMinutes);
  Form->addRow(QString(), ParkAfterLos);
  UpdateOk();
}

RotorConfig RotorDialog::Result() const {
  RotorConfig r;
  r.choice.hamlib = true;
  r.choice.connection = Address();
  RotorSettings& s = r.settings;
  s.azimuthRange = static_cast<rdz::AzimuthRange>(AzimuthRange->currentIndex());
  s.maxElevation = MaxElevation->currentIndex() == 1 ? 180 : 90;
  s.minChange = MinChange->value();
  s.intervalSeconds = Interval->value();
  s.minElevation = MinElevation->value();
  s.parkAzimuth = ParkAzimuth->value();
  s.parkElevation = ParkElevation->value();
  s.waitMinutes = WaitMinutes->value();
  s.parkAfterLos = ParkAfterLos->isChecked();
  return r;
}

}  // namespace rdz
