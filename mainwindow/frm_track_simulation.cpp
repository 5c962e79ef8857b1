// Simulated time: the six CmdStop buttons and the Timer3 tick.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "mainwindow/frm_track.h"
#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

// Hours added to SimUtcDiff per tick for CmdStop(1..4): ">", ">>", "<", "<<".
constexpr double kSimulationSteps[5] = {0, -1.0 / 60, -10.0 / 60, 1.0 / 60, 10.0 / 60};

}  // namespace

void FrmTrack::ConnectSimulation() {
  for (int i = 0; i < 6; ++i) {
    QObject::connect(CmdStop[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                     [this, i] { CmdStopClick(i); });
  }
  Timer3.OnTick([this] { Timer3Tick(); });
}

void FrmTrack::CmdStopClick(int index) {
  if (state_.TEMPOSCANN == 0) state_.TEMPOSCANN = 1;
  if (index == 0) {
    Timer1.SetEnabled(false);
    Timer3.SetEnabled(!Timer3.Enabled());
  } else if (index >= 1 && index <= 4) {
    // A timer has no negative interval; a negative setting runs as fast as 1 ms.
    Timer3.SetInterval(state_.TEMPOSCANN < 1 ? 1 : state_.TEMPOSCANN);
    Timer1.SetEnabled(false);
    Timer3.SetEnabled(true);
    if (state_.TimeStep == 0) {
      if (const auto hours = qt::ReadUserNumber(TxtUtc->currentText())) state_.SimUtcDiff = *hours;
    }
    state_.TimeStep = kSimulationSteps[index];
  } else if (index == 5) {
    Timer1.SetEnabled(true);
    Timer3.SetEnabled(false);
    Timer1Tick();
    state_.TimeStep = 0;
  }
}

void FrmTrack::Timer3Tick() {
  Clock& clock = services_.clock;
  state_.SimUtcDiff += state_.TimeStep;
  ShowUtc(state_.SimUtcDiff);
  // The PC clock shows the simulated local time.
  if (const auto local = qt::ReadUserNumber(TxtUtc->currentText())) {
    if (const auto offset = UtcDifferenceSeconds(state_.SimUtcDiff - *local)) {
      LblPCTime->setText(qt::ToQString(FormatTime(AddSeconds(clock.Now(), -*offset))));
      LblPCData->setText(qt::ToQString(FormatDate(AddSeconds(clock.Now(), -*offset))));
    }
  }
  RefreshLiveTable();
  services_.events.LetPendingEventsRun();
}

}  // namespace rdz
