// "VelkAtomicClock": one SNTP query off the user-interface thread, then a box
// with the PC clock's offset and the round trip.
#include <QAction>

#include "clockcheck/clock_check.h"
#include "mainwindow/frm_track.h"
#include "platform/qt/background_job.h"

namespace rdz {

void FrmTrack::MnuVelkClockClick() {
  if (services_.sntp == nullptr || (clockCheck_ != nullptr && clockCheck_->Running())) return;
  // Read now, so that a server set in the editor counts without a restart.
  const NtpServerSetting setting = ReadNtpServerSetting(services_.programDir);
  if (!setting.server) {
    const ClockCheckBox box = BadServerMessage(setting.text);
    services_.messages.Show(box.text, kProgramName, box.icon);
    return;
  }
  if (clockCheck_ == nullptr) clockCheck_ = new qt::BackgroundJob(this);
  Menus.MnuVelkClock->setEnabled(false);
  clockCheck_->Start([this, sntp = services_.sntp, server = *setting.server] {
    const SntpOutcome outcome = sntp->Query(server, kSntpLimit);
    return [this, server, outcome] {
      Menus.MnuVelkClock->setEnabled(true);
      const ClockCheckBox box = ClockCheckMessage(ServerText(server), outcome);
      services_.messages.Show(box.text, kProgramName, box.icon);
    };
  });
}

}  // namespace rdz
