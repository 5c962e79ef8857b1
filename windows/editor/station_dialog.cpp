#include "windows/editor/station_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "core/settings/locator.h"
#include "core/settings/station_entry.h"
#include "core/base/number_text.h"
#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

QString Number(const std::optional<double>& value) {
  return value ? qt::ToQString(ShortestDecimalText(*value)) : QString();
}

QString Degrees(double value) { return QString::number(value, 'f', 6); }

std::string Text(const QLineEdit* box) { return qt::FromQString(box->text()); }

void Show(QLabel* label, const std::string& refused) {
  label->setText(qt::ToQString(refused));
  label->setVisible(!refused.empty());
}

}  // namespace

StationDialog::StationDialog(const Settings& current, std::filesystem::path programDir, MessageBox& messages,
                             GpsSource gps, BackgroundWork* background, QWidget* parent)
    : QDialog(parent),
      programDir_(std::move(programDir)),
      messages_(messages),
      gps_(std::move(gps)),
      background_(background) {
  setWindowTitle(QStringLiteral("RodeDizevad - Station"));
  const auto box = [this](const QString& text, const QString& hint) {
    auto* edit = new QLineEdit(text, this);
    edit->setPlaceholderText(hint);
    return edit;
  };
  TxtLocator = box(qt::ToQString(current.locator ? current.locator->name : StationLocator(current)),
                   QStringLiteral("JN45FL"));
  TxtLatitude = box(Number(current.station.LA), QStringLiteral("46.5 or 46 30 N"));
  TxtLongitude = box(Number(current.station.LO), QStringLiteral("8.95 or 8 57 E"));
  TxtHeight = box(Number(current.station.HT), QStringLiteral("metres above sea level"));
  TxtName = box(qt::ToQString(current.stationName), QStringLiteral("optional"));
  auto* form = new QFormLayout;
  const auto row = [&](const QString& caption, QLineEdit* field, QLabel** refused) {
    form->addRow(caption, field);
    if (!refused) return;
    *refused = new QLabel(this);
    (*refused)->setStyleSheet(QStringLiteral("color: #c00000"));
    (*refused)->hide();
    form->addRow(QString(), *refused);
  };
  row(QStringLiteral("Locator"), TxtLocator, &LblLocatorRefused);
  row(QStringLiteral("Latitude"), TxtLatitude, &LblLatitudeRefused);
  row(QStringLiteral("Longitude"), TxtLongitude, &LblLongitudeRefused);
  row(QStringLiteral("Height (m)"), TxtHeight, &LblHeightRefused);
  row(QStringLiteral("Name"), TxtName, nullptr);
  if (gps_) {
    CmdGps = new QPushButton(QStringLiteral("From GPS"), this);
    LblGps = new QLabel(this);
    form->addRow(CmdGps, LblGps);
    connect(CmdGps, &QPushButton::clicked, this, [this] { AskGps(); });
  }
  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(Buttons);

  connect(TxtLocator, &QLineEdit::textEdited, this, [this] { LocatorEdited(); });
  connect(TxtLatitude, &QLineEdit::textEdited, this, [this] { PositionEdited(); });
  connect(TxtLongitude, &QLineEdit::textEdited, this, [this] { PositionEdited(); });
  connect(Buttons, &QDialogButtonBox::accepted, this, [this] {
    if (Save()) accept();
  });
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void StationDialog::LocatorEdited() {
  const auto square = ParseLocator(Text(TxtLocator));
  if (!square) return;
  TxtLatitude->setText(Degrees(square->CentreLatitude()));
  TxtLongitude->setText(Degrees(square->CentreLongitude()));
}

void StationDialog::PositionEdited() {
  const auto lat = ParseAngle(Text(TxtLatitude), true), lon = ParseAngle(Text(TxtLongitude), false);
  if (!lat || !lon || std::abs(*lat) > 90) return;
  // A locator that still holds the position stays as typed, however long.
  const auto square = ParseLocator(Text(TxtLocator));
  if (square && square->Contains(*lat, *lon)) return;
  TxtLocator->setText(qt::ToQString(LocatorOf(*lat, *lon)));
}

void StationDialog::AskGps() {
  CmdGps->setEnabled(false);
  LblGps->setText(QStringLiteral("asking gpsd..."));
  auto reading = std::make_shared<GpsReading>();
  auto work = [gps = gps_, reading] { *reading = gps(); };
  // The dialog may be closed before the answer comes.
  auto done = [dialog = QPointer<StationDialog>(this), reading] {
    if (dialog) dialog->TakeGps(*reading);
  };
  if (!background_) {
    work();
    done();
    return;
  }
  background_->Start(std::move(work), std::move(done));
}

void StationDialog::TakeGps(const GpsReading& reading) {
  CmdGps->setEnabled(true);
  LblGps->setText(qt::ToQString(reading.reason));
  if (!reading.fix) return;
  TxtLatitude->setText(Degrees(reading.fix->latitude));
  TxtLongitude->setText(Degrees(reading.fix->longitude));
  if (reading.fix->height) TxtHeight->setText(QString::number(*reading.fix->height, 'f', 1));
  PositionEdited();
}

bool StationDialog::Save() {
  const StationCheck check =
      CheckStation({Text(TxtLocator), Text(TxtLatitude), Text(TxtLongitude), Text(TxtHeight), Text(TxtName)});
  Show(LblLocatorRefused, check.locator);
  Show(LblLatitudeRefused, check.latitude);
  Show(LblLongitudeRefused, check.longitude);
  Show(LblHeightRefused, check.height);
  if (!check.entry) return false;
  const WriteOutcome saved = SaveStation(programDir_, *check.entry);
  if (!saved.ok) {
    messages_.Show("The station could not be saved in config.txt (" + saved.reason + ").", kProgramName);
    return false;
  }
  return true;
}

}  // namespace rdz
