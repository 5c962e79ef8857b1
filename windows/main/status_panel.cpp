#include "windows/main/status_panel.h"

#include <QBoxLayout>
#include <QLabel>
#include <QVariant>

#include "platform/qt/qt_text.h"
#include "windows/main/elided_text.h"

namespace rdz {

namespace {

QLabel* Field(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  ElideText(label);
  return label;
}

// An empty field gives its room to the others.
void ShowWhole(QLabel* label, const QString& text) {
  label->setVisible(!text.isEmpty());
  if (label->text() == text) return;
  label->setText(text);
  label->setToolTip(qt::PlainToolTip(text));
}

}  // namespace

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) {
  LblElementStatus = Field("LblElementStatus", this);
  LblSettings = Field("LblSettings", this);
  LblSettings->setStyleSheet(QStringLiteral("color: #c00000"));
  LblLocator = new QLabel(this);  // short: always whole
  LblLocator->setObjectName(QStringLiteral("LblLocator"));
  LblLocator->setTextFormat(Qt::PlainText);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 2, 6, 2);
  column->setSpacing(1);
  // Hidden (empty) fields take no room in a row.
  messages_ = new QHBoxLayout;
  messages_->setSpacing(12);
  messages_->addWidget(LblElementStatus, 3);
  messages_->addWidget(LblSettings, 2);
  messages_->addWidget(LblLocator);
  column->addLayout(messages_);
  devices_ = new QHBoxLayout;
  devices_->setSpacing(12);
  column->addLayout(devices_);
  // The device line keeps its height while no device has spoken yet.
  auto* strut = new QWidget(this);
  strut->setFixedSize(0, fontMetrics().height());
  devices_->addWidget(strut);
}

void StatusPanel::ShowElements(const std::string& text, bool alarm) {
  ShowWhole(LblElementStatus, qt::ToQString(text));
  LblElementStatus->setStyleSheet(alarm ? QStringLiteral("color: #c00000") : QString());
}

void StatusPanel::ShowSettings(const std::string& text) { ShowWhole(LblSettings, qt::ToQString(text)); }

void StatusPanel::ShowStation(const std::string& text, const std::string& position) {
  LblLocator->setText(qt::ToQString(text));
  LblLocator->setToolTip(qt::ToQString(position));
}

void StatusPanel::addWidget(QWidget* field, int) {
  field->setParent(this);
  if (auto* label = qobject_cast<QLabel*>(field)) ElideText(label);
  // Rotor left, radio right, each half the line.
  if (rotor_ == nullptr) {
    rotor_ = field;
    rotor_->setProperty("quiet", quiet_);
  }
  devices_->addWidget(field, 1);
  field->show();
}

void StatusPanel::AddAlerts(QLabel* field) {
  field->setParent(this);
  field->setObjectName(QStringLiteral("LblAlerts"));
  ElideText(field);
  field->setVisible(!field->text().isEmpty());
  messages_->insertWidget(2, field, 2);
}

void StatusPanel::SetDevicesQuiet(bool quiet) {
  if (quiet == quiet_) return;
  quiet_ = quiet;
  if (rotor_ == nullptr) return;
  rotor_->setProperty("quiet", quiet);
  rotor_->update();
}

}  // namespace rdz
