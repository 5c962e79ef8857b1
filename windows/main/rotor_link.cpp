#include "windows/main/rotor_link.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <cstdio>

#include "windows/devices/rotor_dialog.h"
#include "windows/main/frm_track.h"
#include "core/rotor/kv250_follow.h"
#include "core/rotor/kv250_rotor.h"
#include "core/rotor/satellite_sky.h"

namespace rdz {

namespace {

constexpr int kPollMs = 250;
// Hamlib's own limit stays below the deadline, so a silent rotor fails as
// itself rather than by being abandoned.
constexpr int kHamlibLimitMs = 2500;

std::string Position(const LookAngle& a) {
  char text[48];
  std::snprintf(text, sizeof text, "%.1f %.1f", a.azimuth, a.elevation);
  return text;
}

}  // namespace

RotorLink::RotorLink(FrmTrack& window, TrackerState& state, const Services& services)
    : QObject(&window), window_(window), state_(state), services_(services) {
  QObject::connect(&Timer, &QTimer::timeout, this, [this] { Tick(); });
}

void RotorLink::Use(const RotorConfig& config, bool save) {
  config_ = config;
  driver_.reset();
  ShowCheckMarks();
  if (save) {
    if (const WriteOutcome saved = SaveRotorConfig(services_.programDir, config); !saved.ok) {
      services_.messages.Show("The rotor could not be saved in config.txt (" + saved.reason +
                                  "); it is used until the program ends.",
                              "RodeDizevad");
    }
  }
  RotorDriver::Make make;
  std::unique_ptr<FollowPolicy> policy;
  if (config.choice.hamlib) {
    const RotorConnection c = config.choice.connection;
    RotorLibrary* library = services_.rotors;
    name_ = library ? library->ModelName(c.model) : "";
    if (name_.empty()) name_ = "Rotor " + std::to_string(c.model);
    make = [library, c] { return library ? library->Make(c, kHamlibLimitMs) : nullptr; };
    policy = std::make_unique<PassPlanner>(config.settings);
  } else {
    name_ = "KV 250";
    make = [ports = services_.ports, lpt = config.choice.lpt]() -> std::unique_ptr<Rotor> {
      return std::make_unique<Kv250Rotor>(ports ? ports(lpt) : nullptr);
    };
    policy = std::make_unique<Kv250Follow>(config.settings.horizon);
  }
  // Answers arrive on the rotor's thread; they are taken on this one.
  driver_ = std::make_unique<RotorDriver>(std::move(make), std::move(policy), kRotorDeadline, [this] {
    QMetaObject::invokeMethod(this, [this] { Tick(); }, Qt::QueuedConnection);
  });
  Timer.start(kPollMs);
  window_.ShowTrackerCaption();
  ShowStatus();
  if (save) window_.SettingsChanged();
}

void RotorLink::ChooseOther() {
  if (dialog_) {
    dialog_->raise();
    return;
  }
  std::vector<RotorModel> models = services_.rotors ? services_.rotors->Models() : std::vector<RotorModel>{};
  dialog_ = new RotorDialog(std::move(models), config_, &window_);
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog_, &QDialog::accepted, this, [this] {
    RotorConfig chosen = dialog_->Result();
    chosen.settings.horizon = config_.settings.horizon;  // the station's, not the dialog's
    Use(chosen, true);
  });
  // Choosing "Other" moved the check mark; cancelled, it returns to the rotor in use.
  QObject::connect(dialog_, &QDialog::rejected, this, [this] { ShowCheckMarks(); });
  ShowCheckMarks();
  dialog_->open();
}

void RotorLink::ShowCheckMarks() {
  FrmTrackMenus& m = window_.Menus;
  const RotorChoice& c = config_.choice;
  m.KV250_1->setChecked(!c.hamlib && c.lpt == 1);
  m.KV250_2->setChecked(!c.hamlib && c.lpt == 2);
  m.TrkOther->setChecked(c.hamlib);
}

void RotorLink::Tick() {
  if (!driver_) return;
  const std::optional<SkyBody> body = window_.TrackedBody();
  const int sat = body ? BodyTarget(*body) : window_.TrackedSatellite();
  if (const std::optional<CivilTime>& when = state_.Time.Utc) {
    const SkyPosition sky = body ? BodySky(state_.Station, *body)
                            : sat ? SatelliteSky(state_.Station, state_.Models[static_cast<std::size_t>(sat - 1)])
                                  : SkyPosition{};
    driver_->Tick(sat, sky, static_cast<double>(UnixSeconds(*when)));
  }
  window_.SetTrackerOffHighlight(driver_->Following());
  ShowStatus();
}

void RotorLink::Park() {
  if (driver_) driver_->Park();
  window_.SetTrackerOffHighlight(false);
  ShowStatus();
}

void RotorLink::ShowStatus() {
  if (!Status) {
    Status = new QLabel(&window_);
    window_.statusBar()->addWidget(Status, 1);
  }
  std::string where = config_.choice.hamlib ? config_.choice.connection.port : "LPT" + std::to_string(config_.choice.lpt);
  std::string text = "rotor: ";
  bool trouble = true;
  using State = RotorDriver::Link::State;
  if (!driver_ || driver_->State() == State::Unknown) {
    text += "Hamlib knows no rotor model " + std::to_string(config_.choice.connection.model);
  } else if (!driver_->Error().empty()) {
    text += "reconnecting (" + driver_->Error() + ")";
  } else {
    text += name_ + " " + where;
    if (driver_->State() != State::Open) text += " connecting";
    if (const auto& sent = driver_->Commanded()) text += "   sent AZ EL " + Position(*sent);
    if (const auto& read = driver_->ReadBack()) text += "   rotor AZ EL " + Position(*read);
    trouble = false;
  }
  Status->setText(QString::fromStdString(text));
  Status->setToolTip(Status->text());  // the bar cuts long reasons
  Status->setStyleSheet(trouble ? QStringLiteral("color: #c00000") : QString());
}

}  // namespace rdz
