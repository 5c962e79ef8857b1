#include "mainwindow/rig_link.h"

#include <QLabel>
#include <QStatusBar>
#include <cstdio>

#include "mainwindow/frm_track.h"
#include "orbit/engine.h"
#include "radio/rig_sky.h"

namespace rdz {

namespace {

constexpr int kCallLimitMs = 2000;
constexpr int kIntervalMs = 1000;

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

RigLink::~RigLink() { driver_.reset(); }

void RigLink::Use(const RigConfig& config, bool save) {
  config_ = config;
  driver_.reset();
  Timer.stop();
  if (save) {
    if (const WriteOutcome saved = SaveRigConfig(services_.programDir, config); !saved.ok) {
      services_.messages.Show("The radio could not be saved in config.txt (" + saved.reason +
                                  "); it is used until the program ends.",
                              "RodeDizevad");
    }
  }
  if (config.connection) {
    std::unique_ptr<Rig> rig = services_.rigs ? services_.rigs->Make(*config.connection, kCallLimitMs) : nullptr;
    if (rig) {
      // Answers arrive on the radio's thread; they are taken on this one.
      driver_ = std::make_unique<RigDriver>(std::move(rig), config.settings, kCallLimitMs, [this] {
        QMetaObject::invokeMethod(this, [this] { Collect(); }, Qt::QueuedConnection);
      });
      Timer.start(kIntervalMs);
    }
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
  const int sat = window_.TrackedSatellite();
  const bool tracked = when && sat > 0 && state_.Models[static_cast<std::size_t>(sat - 1)];
  // The choice belongs to the selected satellite only once it was made for it.
  const TransponderChoice& choice = window_.Transponders;
  const Transponder* transponder = tracked && choice.satellite == sat ? choice.Chosen() : nullptr;
  RigSky sky;
  if (transponder) {
    sky = RigSkyAt(SetupEngine(state_.Station), *state_.Models[static_cast<std::size_t>(sat - 1)], *when);
  }
  driver_->Tick(transponder, sky.follow, sky.rangeRate);
  ShowStatus();
}

void RigLink::Collect() {
  if (driver_ && driver_->Collect()) ShowStatus();
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
  const RigConnection& c = *config_.connection;
  std::string text = "Radio " + std::to_string(c.model) + " " + c.port;
  if (!driver_) {
    text += " stopped: Hamlib knows no such radio";
  } else if (!driver_->Engaged()) {
    text += " stopped: " + driver_->Error();
    Timer.stop();
  } else {
    if (const auto& read = driver_->ReadBack()) text += "   rig " + Hz(*read);
    if (const auto& down = driver_->Follower().SatelliteDownlink()) text += "   satellite " + Hz(*down);
  }
  Status->setText(QString::fromStdString(text));
}

}  // namespace rdz
