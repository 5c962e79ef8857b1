#include "mainwindow/frm_track.h"

namespace rdz {

void FrmTrack::MnuConfigClick() {}

}  // namespace rdz
