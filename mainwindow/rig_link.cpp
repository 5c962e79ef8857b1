#include "mainwindow/rig_link.h"

#include <QLabel>
#include <QStatusBar>
#include <cstdio>

#include "mainwindow/frm_track.h"
#include "orbit/engine.h"
#include "radio/rig_sky.h"

namespace rdz {

namespace {

constexpr int kPollMs = 250;
constexpr int kHamlibLimitMs = 1500;  // below the deadline: a silent radio fails as itself

std::string Hz(double hz) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f Hz", hz);
  return text;
}

}  // namespace

RigLink::RigLink(FrmTrack& window, TrackerState& state, const Services& services)
    : QObject(&window), window_(window), state_(state), services_(services) {
  QObject::connect(&Timer, &QTimer::timeout, this, [this] { Tick(); });
}

void RigLink::Use(const RigConfig& config, bool save) {
  config_ = config;
  driver_.reset();
  looked_.reset();
  Timer.stop();
  if (save) {
    if (const WriteOutcome saved = SaveRigConfig(services_.programDir, config); !saved.ok) {
      services_.messages.Show("The radio could not be saved in config.txt (" + saved.reason +
                                  "); it is used until the program ends.",
                              "RodeDizevad");
    }
  }
  if (config.connection) {
    const RigConnection c = *config.connection;
    RigLibrary* library = services_.rigs;
    name_ = library ? library->ModelName(c.model) : "";
    if (name_.empty()) name_ = "Radio " + std::to_string(c.model);
    // Answers arrive on the radio's thread; they are taken on this one.
    driver_ = std::make_unique<RigDriver>(
        [library, c] { return library ? library->Make(c, kHamlibLimitMs) : nullptr; }, config.settings,
        kRigDeadline, [this] { QMetaObject::invokeMethod(this, [this] { Tick(); }, Qt::QueuedConnection); });
    Timer.start(kPollMs);
  }
  window_.Menus.TrkRadio->setChecked(config.connection.has_value());
  ShowStatus();
  if (save) window_.SettingsChanged();
}

void RigLink::Choose() {
  if (dialog_) {
    dialog_->raise();
    return;
  }
  std::vector<RigModel> models = services_.rigs ? services_.rigs->Models() : std::vector<RigModel>{};
  dialog_ = new RigDialog(std::move(models), config_, &window_);
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog_, &QDialog::accepted, this, [this] { Use(dialog_->Result(), true); });
  // The menu item toggled its own check mark; it shows the radio in use.
  QObject::connect(dialog_, &QDialog::rejected, this,
                   [this] { window_.Menus.TrkRadio->setChecked(config_.connection.has_value()); });
  dialog_->open();
}

void RigLink::Tick() {
  if (!driver_) return;
  const std::optional<CivilTime>& when = state_.Time.Utc;
  if (!when || when == looked_) {
    driver_->Poll();
    ShowStatus();
    return;
  }
  // A look before the radio is open is lost; the next tick makes it again.
  if (driver_->State() == RigDriver::Link::State::Open) looked_ = when;
  const int sat = window_.TrackedSatellite();
  const bool tracked = sat > 0 && state_.Models[static_cast<std::size_t>(sat - 1)];
  // The choice belongs to the selected satellite only once it was made for it.
  const TransponderChoice& choice = window_.Transponders;
  const Transponder* transponder = tracked && choice.satellite == sat ? choice.Chosen() : nullptr;
  RigSky sky;
  if (transponder) {
    sky = RigSkyAt(SetupEngine(state_.Station), *state_.Models[static_cast<std::size_t>(sat - 1)], *when,
                   state_.Config->horizon);
  }
  driver_->Tick(transponder, sky.follow, sky.rangeRate);
  ShowStatus();
}

void RigLink::ShowStatus() {
  if (!config_.connection) {
    if (Status) Status->clear();
    return;
  }
  if (!Status) {
    Status = new QLabel(&window_);
    window_.statusBar()->addWidget(Status, 1);
  }
  std::string text = "radio: ";
  bool trouble = true;
  using State = RigDriver::Link::State;
  if (!driver_ || driver_->State() == State::Unknown) {
    text += "Hamlib knows no radio model " + std::to_string(config_.connection->model);
  } else if (!driver_->Error().empty()) {
    text += "reconnecting (" + driver_->Error() + ")";
  } else {
    text += name_ + " " + config_.connection->port;
    if (driver_->State() != State::Open) text += " connecting";
    if (const auto& read = driver_->ReadBack()) text += "   rig " + Hz(*read);
    if (const auto& down = driver_->Follower().SatelliteDownlink()) text += "   satellite " + Hz(*down);
    trouble = false;
  }
  Status->setText(QString::fromStdString(text));
  Status->setToolTip(Status->text());  // the bar cuts long reasons
  Status->setStyleSheet(trouble ? QStringLiteral("color: #c00000") : QString());
}

}  // namespace rdz
