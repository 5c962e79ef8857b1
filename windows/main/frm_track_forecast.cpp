// The double-click on a row: the element box, then the AOS/LOS forecast in FrmAOSLOS.
#include "core/forecast/element_box.h"
#include "windows/forecast/frm_aoslos.h"
#include "windows/main/frm_track.h"

namespace rdz {

void FrmTrack::LblSatDblClick(int index) {
  ShowSatelliteElements(index);
  forecast_.Open(index);
}

void FrmTrack::ShowSatelliteElements(int row) {
  if (const auto text = SatelliteElementsText(state_.Elements, row)) services_.messages.Show(*text);
}

void FrmTrack::LoadForecastWindow(const std::string& name) {
  if (!aoslos_) {
    aoslos_ = new FrmAOSLOS(this);
    aoslos_->OnClosed([this] {
      aoslos_ = nullptr;
      forecast_.WindowClosed();
    });
  }
  aoslos_->Load(name);
}

bool FrmTrack::ForecastWindowOpen() const { return aoslos_ != nullptr; }

void FrmTrack::AppendForecast(const std::string& piece) {
  if (aoslos_) aoslos_->Append(piece);
}

}  // namespace rdz
