// "VelkAtomicClock": one SNTP query off the user-interface thread, then a box
// with the PC clock's offset and the round trip.
#include <QAction>
#include <QPointer>
#include <memory>

#include "core/clock/clock_check.h"
#include "windows/main/frm_track.h"

namespace rdz {

void FrmTrack::MnuVelkClockClick() {
  if (services_.sntp == nullptr || clockCheckRunning_) return;
  const NtpServerSetting setting = state_.Config->ntp;
  if (!setting.server) {
    const ClockCheckBox box = BadServerMessage(setting.text);
    services_.messages.Show(box.text, kProgramName, box.icon);
    return;
  }
  clockCheckRunning_ = true;
  Menus.MnuVelkClock->setEnabled(false);
  auto outcome = std::make_shared<SntpOutcome>();
  const auto query = [sntp = services_.sntp, server = *setting.server, outcome] {
    *outcome = sntp->Query(server, kSntpLimit);
  };
  // The answer can outlast the window; then nobody is told.
  const auto report = [window = QPointer<FrmTrack>(this), server = *setting.server, outcome] {
    if (window == nullptr) return;
    window->clockCheckRunning_ = false;
    window->Menus.MnuVelkClock->setEnabled(true);
    const ClockCheckBox box = ClockCheckMessage(ServerText(server), *outcome);
    window->services_.messages.Show(box.text, kProgramName, box.icon);
  };
  StartOrRun(services_.background, query, report);
}

}  // namespace rdz
