#include "windows/editor/frm_config.h"
#include "windows/main/frm_track.h"
#include "windows/main/show_modeless.h"

namespace rdz {

void FrmTrack::MnuConfigClick() {
  if (configEditor_ == nullptr || !configEditor_->isVisible()) {
    configEditor_ = new FrmConfig(services_.programDir, services_.messages, this);
    configEditor_->Load();
    QObject::connect(configEditor_, &FrmConfig::Saved, this, [this] { SettingsChanged(); });
  }
  ShowModeless(configEditor_);
}

}  // namespace rdz
