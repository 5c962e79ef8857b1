#include "windows/main/frm_track.h"
#include "windows/main/show_modeless.h"
#include "windows/map/frm_immagine.h"
#include "windows/sky/frm_sky.h"

namespace rdz {

void FrmTrack::Command1Click() {
  // A closed window is hidden until it is deleted: open a new one then.
  if (map_ == nullptr || !map_->isVisible()) {
    map_ = new FrmImmagine(state_, this);
    map_->SetProgramDir(services_.programDir);
    map_->SetBackground(services_.background);
    map_->Load();
  }
  ShowModeless(map_);
}

void FrmTrack::CmdSkyClick() {
  if (sky_ == nullptr || !sky_->isVisible()) sky_ = new FrmSky(state_, this);
  sky_->Redraw(TrackedSatellite());
  ShowModeless(sky_);
}

void FrmTrack::UpdateMap(const MapFields& fields) {
  // Nothing is written to the map while it is closed (a closed window is
  // hidden until it is deleted); SubSatLat and SubSatLon keep their values.
  const int tracked = TrackedSatellite();
  if (map_ != nullptr && map_->isVisible()) {
    map_->LiveUpdate(fields);
    map_->Redraw(tracked);
  }
  if (sky_ != nullptr && sky_->isVisible()) sky_->Redraw(tracked);
}

}  // namespace rdz
