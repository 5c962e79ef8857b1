#include "windows/devices/rig_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

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

}  // namespace

RigDialog::RigDialog(const std::vector<DeviceModel>& models, const RigConfig& current, QWidget* parent)
    : DeviceDialog(QStringLiteral("RodeDizevad - Radio"), models, current.connection,
                   QStringLiteral("/dev/ttyUSB0 or host:4532"), parent) {
  const RigSettings& s = current.settings;
  ReceiveVfo = VfoBox(s.receive, this);
  TransmitVfo = VfoBox(s.transmit, this);
  ThresholdSsb = Number(1, 100000, s.thresholdSsb, 0);
  ThresholdFm = Number(1, 100000, s.thresholdFm, 0);
  Uplink = new QComboBox(this);
  for (const auto& [way, text] : kUplinks) Uplink->addItem(QString::fromLatin1(text), static_cast<int>(way));
  Uplink->setCurrentIndex(Uplink->findData(static_cast<int>(s.uplink)));
  SecondRadio = new QLineEdit(this);
  SecondRadio->setPlaceholderText(QStringLiteral("2 localhost:4533"));
  if (current.transmitter) SecondRadio->setText(QString::fromStdString(DeviceAddressText(*current.transmitter)));
  OffsetAtLos = new QCheckBox(QStringLiteral("Remember the offset at LOS"), this);
  OffsetAtLos->setChecked(current.offsetAtLos);
  AddButtons();
  NoRadio = Buttons->addButton(QStringLiteral("No radio"), QDialogButtonBox::ResetRole);

  Form->addRow(QStringLiteral("Receive VFO"), ReceiveVfo);
  Form->addRow(QStringLiteral("Transmit VFO"), TransmitVfo);
  Form->addRow(QStringLiteral("Threshold SSB/CW (Hz)"), ThresholdSsb);
  Form->addRow(QStringLiteral("Threshold FM (Hz)"), ThresholdFm);
  Form->addRow(QStringLiteral("Uplink"), Uplink);
  Form->addRow(QStringLiteral("Second radio (model port [speed])"), SecondRadio);
  Form->addRow(OffsetAtLos);

  connect(Uplink, &QComboBox::currentIndexChanged, this, [this] { UpdateOk(); });
  connect(SecondRadio, &QLineEdit::textChanged, this, [this] { UpdateOk(); });
  connect(NoRadio, &QPushButton::clicked, this, [this] {
    none_ = true;
    accept();
  });
  UpdateOk();
}

void RigDialog::UpdateOk() {
  const bool second = Uplink->currentData().toInt() == static_cast<int>(UplinkWay::SecondRadio);
  SecondRadio->setEnabled(second);
  const bool named = ReadDeviceAddress(SecondRadio->text().toStdString()).has_value();
  Buttons->button(QDialogButtonBox::Ok)->setEnabled(Complete() && (!second || named));
}

RigConfig RigDialog::Result() const {
  RigConfig r;
  RigSettings& s = r.settings;
  s.receive = static_cast<RigVfo>(ReceiveVfo->currentData().toInt());
  s.transmit = static_cast<RigVfo>(TransmitVfo->currentData().toInt());
  s.thresholdSsb = ThresholdSsb->value();
  s.thresholdFm = ThresholdFm->value();
  s.uplink = static_cast<UplinkWay>(Uplink->currentData().toInt());
  r.transmitter = ReadDeviceAddress(SecondRadio->text().toStdString());
  r.offsetAtLos = OffsetAtLos->isChecked();
  if (!none_) r.connection = Address();
  return r;
}

}  // namespace rdz
