#include "windows/main/status_panel.h"

#include <QGridLayout>
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

void ShowWhole(QLabel* label, const QString& text) {
  if (label->text() == text) return;
  label->setText(text);
  label->setToolTip(qt::PlainToolTip(text));
}

}  // namespace

StatusPanel::StatusPanel(QWidget* parent) : QWidget(parent) {
  LblElementStatus = Field("LblElementStatus", this);
  LblSettings = Field("LblSettings", this);
  LblSettings->setStyleSheet(QStringLiteral("color: #c00000"));
  LblLocator = Field("LblLocator", this);
  LblLocator->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid_ = new QGridLayout(this);
  grid_->setContentsMargins(6, 2, 6, 2);
  grid_->setVerticalSpacing(1);
  grid_->setHorizontalSpacing(12);
  grid_->addWidget(LblElementStatus, 0, 0);
  grid_->addWidget(LblSettings, 0, 1);
  grid_->addWidget(LblLocator, 0, 3);
  for (int c = 0; c < 4; ++c) grid_->setColumnStretch(c, c == 3 ? 1 : 2);
  // The device line keeps its height while no device has spoken yet.
  grid_->setRowMinimumHeight(1, fontMetrics().height());
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
  const int column = devices_++ == 0 ? 0 : 2;
  if (column == 0) {
    rotor_ = field;
    rotor_->setProperty("quiet", quiet_);
  }
  grid_->addWidget(field, 1, column, 1, 2);
  field->show();
}

void StatusPanel::AddAlerts(QLabel* field) {
  field->setParent(this);
  field->setObjectName(QStringLiteral("LblAlerts"));
  ElideText(field);
  grid_->addWidget(field, 0, 2);
}

void StatusPanel::SetDevicesQuiet(bool quiet) {
  if (quiet == quiet_) return;
  quiet_ = quiet;
  if (rotor_ == nullptr) return;
  rotor_->setProperty("quiet", quiet);
  rotor_->update();
}

}  // namespace rdz
