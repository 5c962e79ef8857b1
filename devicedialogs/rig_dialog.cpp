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

  Filter = new QLineEdit(this);
  Filter->setPlaceholderText(QStringLiteral("Search maker or model"));
  Models = new QListWidget(this);
  for (const RigModel& m : models) {
    auto* item = new QListWidgetItem(
        QStringLiteral("%1 %2 (%3)").arg(QString::fromStdString(m.maker), QString::fromStdString(m.name)).arg(m.model),
        Models);
    item->setData(Qt::UserRole, m.model);
    if (current.connection && m.model == c.model) Models->setCurrentItem(item);
  }
  Port = new QLineEdit(QString::fromStdString(c.port), this);
  Port->setPlaceholderText(QStringLiteral("/dev/ttyUSB0 or host:4532"));
  Speed = new QComboBox(this);
  Speed->setEditable(true);
  Speed->addItems({QString(), QStringLiteral("4800"), QStringLiteral("9600"), QStringLiteral("19200"),
                   QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")});
  Speed->setEditText(c.speed > 0 ? QString::number(c.speed) : QString());
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

  connect(Filter, &QLineEdit::textChanged, this, [this](const QString& text) { ShowMatching(text); });
  connect(Models, &QListWidget::currentItemChanged, this, [this] { UpdateOk(); });
  connect(Port, &QLineEdit::textChanged, this, [this] { UpdateOk(); });
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(NoRadio, &QPushButton::clicked, this, [this] {
    none_ = true;
    accept();
  });
  UpdateOk();
}

void RigDialog::ShowMatching(const QString& text) {
  const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int i = 0; i < Models->count(); ++i) {
    QListWidgetItem* item = Models->item(i);
    bool all = true;
    for (const QString& w : words) all = all && item->text().contains(w, Qt::CaseInsensitive);
    item->setHidden(!all);
  }
}

void RigDialog::UpdateOk() {
  const QString port = Port->text().trimmed();
  const bool ready = Models->currentItem() != nullptr && !port.isEmpty() && !port.contains(QLatin1Char(' '));
  Buttons->button(QDialogButtonBox::Ok)->setEnabled(ready);
}

RigConfig RigDialog::Result() const {
  RigConfig r;
  RigSettings& s = r.settings;
  s.receive = static_cast<RigVfo>(ReceiveVfo->currentData().toInt());
  s.transmit = static_cast<RigVfo>(TransmitVfo->currentData().toInt());
  s.thresholdSsb = ThresholdSsb->value();
  s.thresholdFm = ThresholdFm->value();
  if (none_) return r;
  RigConnection c;
  if (const QListWidgetItem* item = Models->currentItem()) c.model = item->data(Qt::UserRole).toInt();
  c.port = Port->text().trimmed().toStdString();
  bool ok = false;
  const int speed = Speed->currentText().trimmed().toInt(&ok);
  c.speed = ok && speed > 0 ? speed : 0;
  r.connection = c;
  return r;
}

}  // namespace rdz
