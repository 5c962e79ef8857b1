#include "devicedialogs/rig_dialog.h"

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

constexpr RigVfo kVfos[] = {RigVfo::Current, RigVfo::A, RigVfo::B, RigVfo::Main, RigVfo::Sub};

QComboBox* VfoBox(RigVfo current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const RigVfo v : kVfos) {
    box->addItem(QString::fromLatin1(RigVfoName(v).data(), static_cast<int>(RigVfoName(v).size())),
                 static_cast<int>(v));
  }
  box->setCurrentIndex(box->findData(static_cast<int>(current)));
  return box;
}

QDoubleSpinBox* Hertz(double value, QWidget* parent) {
  auto* box = new QDoubleSpinBox(parent);
  box->setRange(1, 100000);
  box->setDecimals(0);
  box->setValue(value);
  return box;
}

}  // namespace

RigDialog::RigDialog(std::vector<RigModel> models, const RigConfig& current, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("RodeDizevad - Radio"));
  const RigSettings& s = current.settings;
  const RigConnection c = current.connection.value_or(RigConnection{});

  fields_ = ConnectionFields::Make(this, models, current.connection ? std::optional<int>(c.model) : std::nullopt, c.port,
                                   c.speed, QStringLiteral("/dev/ttyUSB0 or host:4532"), [this] { UpdateOk(); });
  Filter = fields_.filter;
  Models = fields_.models;
  Port = fields_.port;
  Speed = fields_.speed;
  ReceiveVfo = VfoBox(s.receive, this);
  TransmitVfo = VfoBox(s.transmit, this);
  ThresholdSsb = Hertz(s.thresholdSsb, this);
  ThresholdFm = Hertz(s.thresholdFm, this);
  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  NoRadio = Buttons->addButton(QStringLiteral("No radio"), QDialogButtonBox::ResetRole);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Port"), Port);
  form->addRow(QStringLiteral("Speed (baud)"), Speed);
  form->addRow(QStringLiteral("Receive VFO"), ReceiveVfo);
  form->addRow(QStringLiteral("Transmit VFO"), TransmitVfo);
  form->addRow(QStringLiteral("Threshold SSB/CW (Hz)"), ThresholdSsb);
  form->addRow(QStringLiteral("Threshold FM (Hz)"), ThresholdFm);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Filter);
  layout->addWidget(Models, 1);
  layout->addLayout(form);
  layout->addWidget(Buttons);

  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(NoRadio, &QPushButton::clicked, this, [this] {
    none_ = true;
    accept();
  });
  UpdateOk();
}

void RigDialog::UpdateOk() { Buttons->button(QDialogButtonBox::Ok)->setEnabled(fields_.Complete()); }

RigConfig RigDialog::Result() const {
  RigConfig r;
  RigSettings& s = r.settings;
  s.receive = static_cast<RigVfo>(ReceiveVfo->currentData().toInt());
  s.transmit = static_cast<RigVfo>(TransmitVfo->currentData().toInt());
  s.thresholdSsb = ThresholdSsb->value();
  s.thresholdFm = ThresholdFm->value();
  if (none_) return r;
  RigConnection c;
  c.model = fields_.Model();
  c.port = fields_.Port();
  c.speed = fields_.Speed();
  r.connection = c;
  return r;
}

}  // namespace rdz
