#include "devicedialogs/rotor_dialog.h"

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

  Filter = new QLineEdit(this);
  Filter->setPlaceholderText(QStringLiteral("Search maker or model"));
  Models = new QListWidget(this);
  for (const RotorModel& m : models) {
    auto* item = new QListWidgetItem(
        QStringLiteral("%1 %2 (%3)").arg(QString::fromStdString(m.maker), QString::fromStdString(m.name)).arg(m.model),
        Models);
    item->setData(Qt::UserRole, m.model);
    if (current.choice.hamlib && m.model == c.model) Models->setCurrentItem(item);
  }
  Port = new QLineEdit(QString::fromStdString(c.port), this);
  Port->setPlaceholderText(QStringLiteral("/dev/ttyUSB0, /dev/parport0 or host:4533"));
  Speed = new QComboBox(this);
  Speed->setEditable(true);
  Speed->addItems({QString(), QStringLiteral("1200"), QStringLiteral("4800"), QStringLiteral("9600"),
                   QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600"),
                   QStringLiteral("115200")});
  Speed->setEditText(c.speed > 0 ? QString::number(c.speed) : QString());
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

  connect(Filter, &QLineEdit::textChanged, this, [this](const QString& text) { ShowMatching(text); });
  connect(Models, &QListWidget::currentItemChanged, this, [this] { UpdateOk(); });
  connect(Port, &QLineEdit::textChanged, this, [this] { UpdateOk(); });
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  UpdateOk();
}

void RotorDialog::ShowMatching(const QString& text) {
  const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int i = 0; i < Models->count(); ++i) {
    QListWidgetItem* item = Models->item(i);
    bool all = true;
    for (const QString& w : words) all = all && item->text().contains(w, Qt::CaseInsensitive);
    item->setHidden(!all);
  }
}

void RotorDialog::UpdateOk() {
  const bool ready = Models->currentItem() != nullptr && !Port->text().trimmed().isEmpty() &&
                     !Port->text().trimmed().contains(QLatin1Char(' '));
  Buttons->button(QDialogButtonBox::Ok)->setEnabled(ready);
}

RotorConfig RotorDialog::Result() const {
  RotorConfig r;
  r.choice.hamlib = true;
  if (const QListWidgetItem* item = Models->currentItem()) r.choice.connection.model = item->data(Qt::UserRole).toInt();
  r.choice.connection.port = Port->text().trimmed().toStdString();
  bool ok = false;
  const int speed = Speed->currentText().trimmed().toInt(&ok);
  r.choice.connection.speed = ok && speed > 0 ? speed : 0;
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
