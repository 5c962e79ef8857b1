#include "core/table/row_columns.h"
#include "windows/main/frm_track.h"
#include "windows/main/show_modeless.h"
#include "windows/map/frm_immagine.h"
#include "windows/sky/frm_sky.h"

namespace rdz {

void FrmTrack::Command1Click() {
  // A closed window is hidden until it is deleted: open a new one then.
  const bool opening = map_ == nullptr || !map_->isVisible();
  if (opening) {
    map_ = new FrmImmagine(state_, this);
    map_->SetProgramDir(services_.programDir);
    map_->SetBackground(services_.background);
    map_->Load();
  }
  ShowModeless(map_);
  // Drawn at once, not at the next tick: that may be long off while the simulation is paused.
  if (opening) ShowMapRow();
}

void FrmTrack::CmdSkyClick() {
  if (sky_ == nullptr || !sky_->isVisible()) sky_ = new FrmSky(state_, this);
  sky_->Redraw(TrackedSatellite());
  ShowModeless(sky_);
}

void FrmTrack::UpdateMap(const MapFields&) {
  // The map follows the tracked satellite, whose row may come after satellite
  // 1's: its row is shown once the whole pass is done (ShowMapRow).
  if (sky_ != nullptr && sky_->isVisible()) sky_->Redraw(TrackedSatellite());
}

void FrmTrack::ShowMapRow() {
  // Nothing is written to the map while it is closed (a closed window is
  // hidden until it is deleted); SubSatLat and SubSatLon keep their values.
  if (map_ == nullptr || !map_->isVisible()) return;
  const int tracked = TrackedSatellite();
  const int k = tracked > 0 ? tracked : 1;
  const std::string row = RowText(k - 1);
  const std::vector<std::string_view> fields = RowColumns(row);
  if (k <= state_.SatCount && !fields.empty()) {
    map_->LiveUpdate(MapFields{std::string(fields[1]), std::string(fields[2]), std::string(fields[8]),
                               std::string(fields[9]), state_.Elements[k].Name});
  }
  map_->Redraw(tracked);
}

}  // namespace rdz
