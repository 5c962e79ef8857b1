#include "windows/devices/device_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rdz {

DeviceDialog::DeviceDialog(const QString& title, const std::vector<DeviceModel>& models,
                           const std::optional<DeviceAddress>& current, const QString& portHint, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(title);
  const DeviceAddress c = current.value_or(DeviceAddress{});
  Filter = new QLineEdit(this);
  Filter->setPlaceholderText(QStringLiteral("Search maker or model"));
  Models = new QListWidget(this);
  for (const DeviceModel& m : models) {
    auto* item = new QListWidgetItem(
        QStringLiteral("%1 %2 (%3)").arg(QString::fromStdString(m.maker), QString::fromStdString(m.name)).arg(m.model),
        Models);
    item->setData(Qt::UserRole, m.model);
    if (current && m.model == c.model) Models->setCurrentItem(item);
  }
  Port = new QLineEdit(QString::fromStdString(c.port), this);
  Port->setPlaceholderText(portHint);
  Speed = new QComboBox(this);
  Speed->setEditable(true);
  Speed->addItems({QString(), QStringLiteral("1200"), QStringLiteral("4800"), QStringLiteral("9600"),
                   QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")});
  Speed->setEditText(c.speed > 0 ? QString::number(c.speed) : QString());

  Form = new QFormLayout;
  Form->addRow(QStringLiteral("Port"), Port);
  Form->addRow(QStringLiteral("Speed (baud)"), Speed);
  layout_ = new QVBoxLayout(this);
  layout_->addWidget(Filter);
  layout_->addWidget(Models, 1);
  layout_->addLayout(Form);

  connect(Filter, &QLineEdit::textChanged, this, [this](const QString& text) {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < Models->count(); ++i) {
      QListWidgetItem* item = Models->item(i);
      bool all = true;
      for (const QString& w : words) all = all && item->text().contains(w, Qt::CaseInsensitive);
      item->setHidden(!all);
    }
  });
  connect(Models, &QListWidget::currentItemChanged, this, [this] { UpdateOk(); });
  connect(Port, &QLineEdit::textChanged, this, [this] { UpdateOk(); });
}

void DeviceDialog::AddButtons() {
  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout_->addWidget(Buttons);
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void DeviceDialog::UpdateOk() { Buttons->button(QDialogButtonBox::Ok)->setEnabled(Complete()); }

QDoubleSpinBox* DeviceDialog::Number(double low, double high, double value, int decimals) {
  auto* box = new QDoubleSpinBox(this);
  box->setRange(low, high);
  box->setDecimals(decimals);
  box->setValue(value);
  return box;
}

bool DeviceDialog::Complete() const {
  const QString text = Port->text().trimmed();
  return Models->currentItem() != nullptr && !text.isEmpty() && !text.contains(QLatin1Char(' '));
}

DeviceAddress DeviceDialog::Address() const {
  const QListWidgetItem* item = Models->currentItem();
  bool ok = false;
  const int speed = Speed->currentText().trimmed().toInt(&ok);
  return {item != nullptr ? item->data(Qt::UserRole).toInt() : 0, Port->text().trimmed().toStdString(),
          ok && speed > 0 ? speed : 0};
}

}  // namespace rdz
