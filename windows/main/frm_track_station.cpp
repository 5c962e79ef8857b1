// The station: its dialog and its locator in the status bar.
#include "windows/editor/station_dialog.h"
#include "windows/main/frm_track.h"
#include "windows/main/status_panel.h"
#include "core/base/number_text.h"

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
  const Settings& s = *state_.Config;
  std::string text = StationLocator(s);
  if (!s.stationName.empty()) text = s.stationName + "  " + text;
  status_->ShowStation(text, "LA " + ShortestDecimalText(state_.Station.LA.value_or(0)) + "  LO " +
                                 ShortestDecimalText(state_.Station.LO.value_or(0)));
}

}  // namespace rdz
