#include "windows/main/alerts_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/passes/alert_schedule.h"
#include "platform/qt/qt_text.h"

namespace rdz {

AlertsDialog::AlertsDialog(const std::vector<SatelliteId>& satellites, const AlertConfig& config, QWidget* parent)
    : QDialog(parent), satellites_(satellites), config_(config) {
  setWindowTitle(QStringLiteral("Alerts"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Announce the passes of:"), this));
  LstSatellites = new QListWidget(this);
  LstSatellites->setObjectName(QStringLiteral("LstSatellites"));
  const std::vector<int> chosen = EntriesNamed(config.satellites, satellites);
  for (std::size_t i = 0; i < satellites.size(); ++i) {
    const SatelliteId& id = satellites[i];
    auto* row = new QListWidgetItem(qt::ToQString(id.name + (id.catalog ? "  " + std::to_string(id.catalog) : "")),
                                    LstSatellites);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    const bool on = std::find(chosen.begin(), chosen.end(), static_cast<int>(i) + 1) != chosen.end();
    row->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
  layout->addWidget(LstSatellites, 1);
  auto* form = new QFormLayout;
  TxtLead = new QDoubleSpinBox(this);
  TxtLead->setObjectName(QStringLiteral("TxtLead"));
  TxtLead->setRange(0, kLongestAlertLead);
  TxtLead->setDecimals(1);
  TxtLead->setSuffix(QStringLiteral(" min"));
  TxtLead->setValue(config.leadMinutes);
  form->addRow(QStringLiteral("Before AOS:"), TxtLead);
  ChkSound = new QCheckBox(QStringLiteral("Play a sound"), this);
  ChkSound->setObjectName(QStringLiteral("ChkSound"));
  ChkSound->setChecked(config.sound);
  form->addRow(QString(), ChkSound);
  if (!config.command.empty()) form->addRow(QStringLiteral("Program run:"), new QLabel(qt::ToQString(config.command), this));
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

AlertConfig AlertsDialog::Result() const {
  AlertConfig result = config_;
  result.satellites.clear();
  // A satellite is kept by its catalog number where it has one.
  for (int i = 0; i < LstSatellites->count(); ++i) {
    if (LstSatellites->item(i)->checkState() != Qt::Checked) continue;
    const SatelliteId& id = satellites_[static_cast<std::size_t>(i)];
    result.satellites.push_back(id.catalog ? std::to_string(id.catalog) : id.name);
  }
  // Satellites named in config.txt but not in this table stay chosen.
  for (const std::string& word : config_.satellites) {
    if (EntriesNamed({word}, satellites_).empty()) result.satellites.push_back(word);
  }
  result.leadMinutes = TxtLead->value();
  result.sound = ChkSound->isChecked();
  return result;
}

}  // namespace rdz
