// The station: its dialog and its locator in the status bar.
#include <QLabel>
#include <QStatusBar>

#include "windows/editor/station_dialog.h"
#include "windows/main/frm_track.h"
#include "core/base/number_text.h"
#include "platform/qt/qt_text.h"

namespace rdz {

void FrmTrack::MnuStationClick() {
  if (stationDialog_) {
    stationDialog_->raise();
    return;
  }
  auto* dialog = new StationDialog(*state_.Config, services_.programDir, services_.messages, services_.gps,
                                   services_.background, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog, &QDialog::accepted, this, [this] { SettingsChanged(); });
  stationDialog_ = dialog;
  dialog->open();
}

void FrmTrack::ShowStation() {
  if (LblLocator == nullptr) {
    LblLocator = new QLabel(this);
    LblLocator->setTextFormat(Qt::PlainText);
    statusBar()->addPermanentWidget(LblLocator);
  }
  const Settings& s = *state_.Config;
  std::string text = StationLocator(s);
  if (!s.stationName.empty()) text = s.stationName + "  " + text;
  const QString shown = qt::ToQString(text);
  if (LblLocator->text() == shown) return;
  LblLocator->setText(shown);
  LblLocator->setToolTip(qt::ToQString("LA " + ShortestDecimalText(state_.Station.LA.value_or(0)) + "  LO " +
                                       ShortestDecimalText(state_.Station.LO.value_or(0))));
}

}  // namespace rdz
