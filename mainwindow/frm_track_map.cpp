#include "mainwindow/frm_track.h"
#include "mainwindow/open_window.h"
#include "map/frm_immagine.h"

namespace rdz {

void FrmTrack::Command1Click() {
  FrmImmagine* map = OpenWindow<FrmImmagine>(this);
  if (map == nullptr) {
    map = new FrmImmagine(state_, this);
    map->Load();
  }
  ShowModeless(map);
}

void FrmTrack::UpdateMap(const MapFields& fields) {
  // Nothing is written to the map while it is closed; SubSatLat and SubSatLon keep their values.
  if (FrmImmagine* map = OpenWindow<FrmImmagine>(this)) map->LiveUpdate(fields);
}

}  // namespace rdz
