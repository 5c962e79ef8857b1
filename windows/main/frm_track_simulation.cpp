// Simulated time: the six CmdStop buttons and the Timer3 tick.
#include <QPushButton>

#include "windows/main/frm_track.h"

namespace rdz {

void FrmTrack::ConnectSimulation() {
  for (int i = 0; i < 6; ++i) {
    QObject::connect(CmdStop[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                     [this, i] { CmdStopClick(i); });
  }
  Timer3.OnTick([this] { Timer3Tick(); });
}

void FrmTrack::CmdStopClick(int index) {
  SimulationClick(index, state_.Time, state_.TEMPOSCANN, services_.clock, *this);
}

void FrmTrack::Timer3Tick() { SimulationTick(state_.Time, services_.clock, *this); }

}  // namespace rdz
