#include "windows/main/alert_link.h"

#include <QLabel>
#include <QMessageBox>
#include <cmath>

#include "windows/main/frm_track.h"
#include "core/passes/pass_export.h"
#include "core/base/civil_time.h"
#include "platform/qt/dbus_notifier.h"
#include "platform/qt/qt_text.h"

namespace rdz {

namespace {

std::string Summary(const Alert& a) {
  switch (a.event) {
    case AlertEvent::Soon: {
      const long minutes = std::lround(static_cast<double>(a.at.time - a.due) / 60.0);
      return a.id.name + ": AOS in " + std::to_string(minutes) + " min";
    }
    case AlertEvent::Aos: return a.id.name + ": AOS";
    case AlertEvent::Los: break;
  }
  return a.id.name + ": LOS";
}

std::string Body(const Alert& a) {
  return FormatTime(CivilFromUnix(a.at.time)) + " UTC, azimuth " + Azimuth1(a.at.azimuth) + ", elevation " +
         Angle1(a.at.elevation);
}

}  // namespace

AlertLink::AlertLink(FrmTrack& window, TrackerState& state, const Services& services)
    : QObject(&window), window_(window), state_(state), services_(services) {
  if (!services_.notifier) {
    ownNotifier_ = std::make_unique<qt::DbusNotifier>(
        [this](const std::string& summary, const std::string& body) { ShowBox(summary, body); });
    services_.notifier = ownNotifier_.get();
  }
  Status = new QLabel(&window_);
  Status->setStyleSheet(QStringLiteral("color: #c00000"));
  window_.statusBar()->AddAlerts(Status);
  // Failures arrive on the program's waiting thread; they are shown on this one.
  runner_ = std::make_unique<ProgramRunner>([this](const std::string& program, const std::string& failure) {
    const std::string text = "ALERTCOMMAND " + program + " failed: " + failure;
    QMetaObject::invokeMethod(this, [this, text] { ShowFailure(text); }, Qt::QueuedConnection);
  });
}

// The runner goes first: no failure is posted to a link that is gone.
AlertLink::~AlertLink() { runner_.reset(); }

void AlertLink::Tick() {
  if (!state_.Time.Utc) return;
  const AlertConfig& config = state_.Config->alerts;
  const HorizonMask& horizon = state_.Config->horizon;
  const void* models = state_.Models.empty() ? nullptr : state_.Models.front().get();
  const bool sameStation = state_.Station.LA == station_.LA && state_.Station.LO == station_.LO &&
                           state_.Station.HT == station_.HT && horizon == horizon_;
  if (!watch_ || models != models_ || !(config == config_) || !sameStation) {
    std::vector<SatelliteId> ids;
    const int count = std::min(state_.SatCount, static_cast<int>(state_.Models.size()));
    for (int k = 1; k <= count; ++k) ids.push_back(IdentityOf(state_.Elements[k]));
    const std::vector<int> chosen = EntriesNamed(config.satellites, ids);
    watch_ = std::make_unique<AlertWatch>(CandidatesOf(state_.Elements, state_.Models, count), ids, state_.Station,
                                          horizon, chosen, std::llround(config.leadMinutes * 60),
                                          services_.background);
    models_ = models;
    config_ = config;
    station_ = state_.Station;
    horizon_ = horizon;
  }
  for (const Alert& alert : watch_->Due(UnixSeconds(*state_.Time.Utc))) Show(alert);
}

void AlertLink::Show(const Alert& alert) {
  given_.push_back(AlertLine(alert));
  services_.notifier->Notify(Summary(alert), Body(alert));
  if (config_.sound) services_.sound.PlayAlertSound();
  if (!config_.command.empty()) runner_->Run(config_.command, AlertArguments(alert));
}

void AlertLink::ShowBox(const std::string& summary, const std::string& body) {
  // Not modal, and one at a time: the newest alert replaces an unread one.
  if (!Box) {
    Box = new QMessageBox(QMessageBox::Information, QString::fromLatin1(kProgramName), QString(), QMessageBox::Ok,
                          &window_);
    Box->setAttribute(Qt::WA_DeleteOnClose);
    Box->setWindowModality(Qt::NonModal);
  }
  Box->setText(qt::ToQString(summary + "\n" + body));
  Box->show();
}

void AlertLink::ShowFailure(const std::string& text) {
  Status->setText(qt::ToQString(text));
  Status->setToolTip(qt::PlainToolTip(Status->text()));
  Status->setVisible(!text.empty());
}

}  // namespace rdz
