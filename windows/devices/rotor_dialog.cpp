#include "windows/devices/rotor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rdz {

namespace {

QDoubleSpinBox* Number(double low, double high, double value, int decimals, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(low, high);
  box->setDecimals(decimals);
  box->setValue(value);
  return box;
}

}  // namespace

RotorDialog::RotorDialog(std::vector<RotorModel> models, const RotorConfig& current, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("RodeDizevad - Rotor"));
  const RotorSettings& s = current.settings;
  const RotorConnection& c = current.choice.connection;

  fields_ = ConnectionFields::Make(this, models, current.choice.hamlib ? std::optional<int>(c.model) : std::nullopt,
                                   c.port, c.speed, QStringLiteral("/dev/ttyUSB0, /dev/parport0 or host:4533"),
                                   [this] { UpdateOk(); });
  Filter = fields_.filter;
  Models = fields_.models;
  Port = fields_.port;
  Speed = fields_.speed;
  AzimuthRange = new QComboBox(this);
  AzimuthRange->addItems({QStringLiteral("0-360"), QStringLiteral("-180-180"), QStringLiteral("0-450")});
  AzimuthRange->setCurrentIndex(static_cast<int>(s.azimuthRange));
  MaxElevation = new QComboBox(this);
  MaxElevation->addItems({QStringLiteral("90"), QStringLiteral("180")});
  MaxElevation->setCurrentIndex(s.maxElevation >= 180 ? 1 : 0);
  MinChange = Number(0.1, 90, s.minChange, 1, this);
  Interval = Number(0.1, 3600, s.intervalSeconds, 1, this);
  MinElevation = Number(-10, 89, s.minElevation, 1, this);
  ParkAzimuth = Number(-180, 450, s.parkAzimuth, 1, this);
  ParkElevation = Number(0, 180, s.parkElevation, 1, this);
  WaitMinutes = Number(0, 24 * 60, s.waitMinutes, 1, this);
  ParkAfterLos = new QCheckBox(QStringLiteral("Park after LOS"), this);
  ParkAfterLos->setChecked(s.parkAfterLos);
  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Port"), Port);
  form->addRow(QStringLiteral("Speed (baud)"), Speed);
  form->addRow(QStringLiteral("Azimuth range"), AzimuthRange);
  form->addRow(QStringLiteral("Maximum elevation"), MaxElevation);
  form->addRow(QStringLiteral("Smallest change (degrees)"), MinChange);
  form->addRow(QStringLiteral("Update interval (s)"), Interval);
  form->addRow(QStringLiteral("Minimum elevation"), MinElevation);
  form->addRow(QStringLiteral("Park azimuth"), ParkAzimuth);
  form->addRow(QStringLiteral("Park elevation"), ParkElevation);
  form->addRow(QStringLiteral("Wait before AOS (min)"), WaitMinutes);
  form->addRow(QString(), ParkAfterLos);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Filter);
  layout->addWidget(Models, 1);
  layout->addLayout(form);
  layout->addWidget(Buttons);

  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  UpdateOk();
}

void RotorDialog::UpdateOk() { Buttons->button(QDialogButtonBox::Ok)->setEnabled(fields_.Complete()); }

RotorConfig RotorDialog::Result() const {
  RotorConfig r;
  r.choice.hamlib = true;
  r.choice.connection = {fields_.Model(), fields_.Port(), fields_.Speed()};
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
