#include "mainwindow/rotor_link.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <cstdio>

#include "devicedialogs/rotor_dialog.h"
#include "mainwindow/frm_track.h"
#include "rotor/satellite_sky.h"

namespace rdz {

namespace {

constexpr int kCallLimitMs = 3000;

struct NoPort final : ParallelPort {
  void OutPort(int, int) noexcept override {}
};
NoPort noPort;

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

RotorLink::~RotorLink() { driver_.reset(); }

void RotorLink::Use(const RotorConfig& config, bool save) {
  config_ = config;
  driver_.reset();
  Timer.stop();
  ShowCheckMarks();
  if (save) {
    if (const WriteOutcome saved = SaveRotorConfig(services_.programDir, config); !saved.ok) {
      services_.messages.Show("The rotor could not be saved in config.txt (" + saved.reason +
                                  "); it is used until the program ends.",
                              "RodeDizevad");
    }
  }
  if (config.choice.hamlib) {
    std::unique_ptr<Rotor> rotor =
        services_.rotors ? services_.rotors->Make(config.choice.connection, kCallLimitMs) : nullptr;
    if (rotor) {
      // Answers arrive on the rotor's thread; they are taken on this one.
      driver_ = std::make_unique<RotorDriver>(std::move(rotor), config.settings, kCallLimitMs, [this] {
        QMetaObject::invokeMethod(this, [this] { Collect(); }, Qt::QueuedConnection);
      });
      Timer.start(static_cast<int>(config.settings.intervalSeconds * 1000));
    }
  }
  ShowStatus();
  if (save) window_.SettingsChanged();
}

ParallelPort& RotorLink::Kv250Port() {
  if (config_.choice.hamlib) return noPort;
  if (config_.choice.lpt != 2) return services_.port;
  return services_.port2 != nullptr ? *services_.port2 : noPort;
}

void RotorLink::ChooseOther() {
  if (dialog_) {
    dialog_->raise();
    return;
  }
  std::vector<RotorModel> models = services_.rotors ? services_.rotors->Models() : std::vector<RotorModel>{};
  dialog_ = new RotorDialog(std::move(models), config_, &window_);
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog_, &QDialog::accepted, this, [this] { Use(dialog_->Result(), true); });
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
  const std::optional<CivilTime>& when = state_.Time.Utc;
  const int sat = window_.TrackedSatellite();
  if (when) {
    const SkyPosition sky =
        sat ? SatelliteSky(state_.Station, state_.Models[static_cast<std::size_t>(sat - 1)]) : SkyPosition{};
    driver_->Tick(sat, sky, static_cast<double>(UnixSeconds(*when)));
  }
  ShowStatus();
}

void RotorLink::Park() {
  if (driver_) driver_->Park();
  ShowStatus();
}

void RotorLink::Collect() {
  if (driver_ && driver_->Collect()) ShowStatus();
}

void RotorLink::ShowStatus() {
  if (!config_.choice.hamlib) {
    if (Status) Status->clear();
    return;
  }
  if (!Status) {
    Status = new QLabel(&window_);
    window_.statusBar()->addWidget(Status, 1);
  }
  const RotorConnection& c = config_.choice.connection;
  std::string text = "Rotor " + std::to_string(c.model) + " " + c.port;
  if (!driver_) {
    text += " stopped: Hamlib knows no such rotor";
  } else if (!driver_->Engaged()) {
    text += " stopped: " + driver_->Error();
    Timer.stop();
  } else {
    if (const auto& sent = driver_->Commanded()) text += "   sent AZ EL " + Position(*sent);
    if (const auto& read = driver_->ReadBack()) text += "   rotor AZ EL " + Position(*read);
  }
  Status->setText(QString::fromStdString(text));
}

}  // namespace rdz
