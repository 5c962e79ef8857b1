#include "windows/devices/rig_dialog.h"

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

constexpr std::pair<UplinkWay, const char*> kUplinks[] = {{UplinkWay::Split, "Split"},
                                                          {UplinkWay::SatelliteMode, "Satellite mode"},
                                                          {UplinkWay::SecondRadio, "Second radio"},
                                                          {UplinkWay::ReceiveOnly, "Receive only"}};

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
  Uplink = new QComboBox(this);
  for (const auto& [way, text] : kUplinks) Uplink->addItem(QString::fromLatin1(text), static_cast<int>(way));
  Uplink->setCurrentIndex(Uplink->findData(static_cast<int>(s.uplink)));
  SecondRadio = new QLineEdit(this);
  SecondRadio->setPlaceholderText(QStringLiteral("2 localhost:4533"));
  if (current.transmitter) SecondRadio->setText(QString::fromStdString(RigConnectionText(*current.transmitter)));
  OffsetAtLos = new QCheckBox(QStringLiteral("Remember the offset at LOS"), this);
  OffsetAtLos->setChecked(current.offsetAtLos);
  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  NoRadio = Buttons->addButton(QStringLiteral("No radio"), QDialogButtonBox::ResetRole);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Port"), Port);
  form->addRow(QStringLiteral("Speed (baud)"), Speed);
  form->addRow(QStringLiteral("Receive VFO"), ReceiveVfo);
  form->addRow(QStringLiteral("Transmit VFO"), TransmitVfo);
  form->addRow(QStringLiteral("Threshold SSB/CW (Hz)"), ThresholdSsb);
  form->addRow(QStringLiteral("Threshold FM (Hz)"), ThresholdFm);
  form->addRow(QStringLiteral("Uplink"), Uplink);
  form->addRow(QStringLiteral("Second radio (model port [speed])"), SecondRadio);
  form->addRow(OffsetAtLos);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Filter);
  layout->addWidget(Models, 1);
  layout->addLayout(form);
  layout->addWidget(Buttons);

  connect(Uplink, &QComboBox::currentIndexChanged, this, [this] { UpdateOk(); });
  connect(SecondRadio, &QLineEdit::textChanged, this, [this] { UpdateOk(); });
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(NoRadio, &QPushButton::clicked, this, [this] {
    none_ = true;
    accept();
  });
  UpdateOk();
}

void RigDialog::UpdateOk() {
  if (Uplink == nullptr || Buttons == nullptr) return;  // still being built
  const bool second = Uplink->currentData().toInt() == static_cast<int>(UplinkWay::SecondRadio);
  SecondRadio->setEnabled(second);
  const bool named = ReadRigConnection(SecondRadio->text().toStdString()).has_value();
  Buttons->button(QDialogButtonBox::Ok)->setEnabled(fields_.Complete() && (!second || named));
}

RigConfig RigDialog::Result() const {
  RigConfig r;
  RigSettings& s = r.settings;
  s.receive = static_cast<RigVfo>(ReceiveVfo->currentData().toInt());
  s.transmit = static_cast<RigVfo>(TransmitVfo->currentData().toInt());
  s.thresholdSsb = ThresholdSsb->value();
  s.thresholdFm = ThresholdFm->value();
  s.uplink = static_cast<UplinkWay>(Uplink->currentData().toInt());
  r.transmitter = ReadRigConnection(SecondRadio->text().toStdString());
  r.offsetAtLos = OffsetAtLos->isChecked();
  if (none_) return r;
  RigConnection c;
  c.model = fields_.Model();
  c.port = fields_.Port();
  c.speed = fields_.Speed();
  r.connection = c;
  return r;
}

}  // namespace rdz
