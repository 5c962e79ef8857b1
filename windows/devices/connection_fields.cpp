#include "windows/devices/connection_fields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace rdz {

namespace {

// Every word of the search must appear in the entry, in any case.
void ShowMatching(QListWidget* models, const QString& text) {
  const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  for (int i = 0; i < models->count(); ++i) {
    QListWidgetItem* item = models->item(i);
    bool all = true;
    for (const QString& w : words) all = all && item->text().contains(w, Qt::CaseInsensitive);
    item->setHidden(!all);
  }
}

}  // namespace

ConnectionFields ConnectionFields::Make(QWidget* parent, const std::vector<DeviceModel>& models,
                                        std::optional<int> currentModel, const std::string& port, int speed,
                                        const QString& portHint, std::function<void()> changed) {
  ConnectionFields f;
  f.filter = new QLineEdit(parent);
  f.filter->setPlaceholderText(QStringLiteral("Search maker or model"));
  f.models = new QListWidget(parent);
  for (const DeviceModel& m : models) {
    auto* item = new QListWidgetItem(
        QStringLiteral("%1 %2 (%3)").arg(QString::fromStdString(m.maker), QString::fromStdString(m.name)).arg(m.model),
        f.models);
    item->setData(Qt::UserRole, m.model);
    if (currentModel && m.model == *currentModel) f.models->setCurrentItem(item);
  }
  f.port = new QLineEdit(QString::fromStdString(port), parent);
  f.port->setPlaceholderText(portHint);
  f.speed = new QComboBox(parent);
  f.speed->setEditable(true);
  f.speed->addItems({QString(), QStringLiteral("1200"), QStringLiteral("4800"), QStringLiteral("9600"),
                     QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600"),
                     QStringLiteral("115200")});
  f.speed->setEditText(speed > 0 ? QString::number(speed) : QString());
  QListWidget* list = f.models;
  QObject::connect(f.filter, &QLineEdit::textChanged, parent, [list](const QString& text) { ShowMatching(list, text); });
  QObject::connect(f.models, &QListWidget::currentItemChanged, parent, [changed] { changed(); });
  QObject::connect(f.port, &QLineEdit::textChanged, parent, [changed] { changed(); });
  return f;
}

bool ConnectionFields::Complete() const {
  const QString text = port->text().trimmed();
  return models->currentItem() != nullptr && !text.isEmpty() && !text.contains(QLatin1Char(' '));
}

int ConnectionFields::Model() const {
  const QListWidgetItem* item = models->currentItem();
  return item != nullptr ? item->data(Qt::UserRole).toInt() : 0;
}

std::string ConnectionFields::Port() const { return port->text().trimmed().toStdString(); }

int ConnectionFields::Speed() const {
  bool ok = false;
  const int value = speed->currentText().trimmed().toInt(&ok);
  return ok && value > 0 ? value : 0;
}

}  // namespace rdz
