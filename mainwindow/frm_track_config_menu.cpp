#include "configeditor/frm_config.h"
#include "mainwindow/frm_track.h"
#include "mainwindow/open_window.h"

namespace rdz {

void FrmTrack::MnuConfigClick() {
  FrmConfig* editor = OpenWindow<FrmConfig>(this);
  if (editor == nullptr) {
    editor = new FrmConfig(services_.programDir, services_.messages, this);
    editor->Load();
  }
  ShowModeless(editor);
}

}  // namespace rdz
