#include "windows/main/rig_link.h"

#include <QLabel>
#include <QStatusBar>
#include <cstdio>

#include "windows/main/frm_track.h"
#include "core/orbit/engine.h"
#include "core/base/text_lines.h"
#include "core/radio/rig_sky.h"

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
  if (driver_ && config.connection == config_.connection && config.settings.uplink == UplinkWay::SatelliteMode) {
    driver_->HandOver();
  }
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
  offsets_ = ReadOffsetFile(services_.programDir);
  if (config.connection) {
    const RigConnection c = *config.connection;
    RigLibrary* library = services_.rigs;
    const auto nameOf = [library](int model) {
      const std::string name = library ? library->ModelName(model) : "";
      return name.empty() ? "Radio " + std::to_string(model) : name;
    };
    name_ = nameOf(c.model);
    RigDriver::Make transmitter;
    if (config.transmitter && config.settings.uplink == UplinkWay::SecondRadio) {
      const RigConnection t = *config.transmitter;
      transmitterName_ = nameOf(t.model) + " " + t.port;
      transmitter = [library, t] { return library ? library->Make(t, kHamlibLimitMs) : nullptr; };
    }
    // Answers arrive on the radios' threads; they are taken on this one.
    driver_ = std::make_unique<RigDriver>(
        [library, c] { return library ? library->Make(c, kHamlibLimitMs) : nullptr; }, config.settings,
        kRigDeadline, [this] { QMetaObject::invokeMethod(this, [this] { Tick(); }, Qt::QueuedConnection); },
        std::move(transmitter));
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
  const Transponder* transponder = Chosen();
  RigSky sky;
  double offset = 0;
  if (transponder) {
    sky = RigSkyAt(SetupEngine(state_.Station), *state_.Models[static_cast<std::size_t>(sat - 1)], *when,
                   state_.Config->horizon);
    offset = offsets_.Find(SatelliteKey(), *transponder).value_or(0);
  }
  driver_->Tick(transponder, sky.follow, sky.rangeRate, offset);
  if (const auto ended = driver_->Follower().TakeEnded(); ended && config_.offsetAtLos) {
    TransponderOffsets kept = offsets_;
    kept.Remember(SatelliteKey(), ended->transponder, ended->offset);
    SaveOffsets(kept);
  }
  ShowStatus();
}

const Transponder* RigLink::Chosen() const {
  const int sat = window_.TrackedSatellite();
  const bool tracked = sat > 0 && static_cast<std::size_t>(sat) <= state_.Models.size() &&
                       state_.Models[static_cast<std::size_t>(sat - 1)];
  // The choice belongs to the selected satellite only once it was made for it.
  const TransponderChoice& choice = window_.Transponders;
  return tracked && choice.satellite == sat ? choice.Chosen() : nullptr;
}

std::string RigLink::SatelliteKey() const {
  const int sat = window_.TrackedSatellite();
  if (sat <= 0) return {};
  const ElementSet& set = state_.Elements[sat];
  return TransponderOffsets::Satellite(set.CatalogNumber, TrimBlanks(set.Name));
}

bool RigLink::Following() const {
  const Transponder* t = Chosen();
  return driver_ && t && driver_->Follower().Follows(t) && driver_->Follower().SatelliteDownlink();
}

std::optional<double> RigLink::SatelliteDownlink(const Transponder& t) const {
  if (driver_ && driver_->Follower().Follows(&t)) return driver_->Follower().SatelliteDownlink();
  const auto centre = DownlinkCentre(t);
  if (!centre) return std::nullopt;
  const std::string key = SatelliteKey();
  return *centre + (key.empty() ? 0 : offsets_.Find(key, t).value_or(0));
}

void RigLink::MoveBy(double hz) {
  if (!Following()) return;
  driver_->Move(*driver_->Follower().SatelliteDownlink() + hz);
  ShowStatus();
}

void RigLink::RememberOffset() {
  if (!Following()) return;
  TransponderOffsets kept = offsets_;
  kept.Remember(SatelliteKey(), *Chosen(), *driver_->Follower().Offset());
  SaveOffsets(kept);
}

void RigLink::ResetOffset() {
  const Transponder* t = Chosen();
  if (t == nullptr) return;
  TransponderOffsets kept = offsets_;
  kept.Forget(SatelliteKey(), *t);
  SaveOffsets(kept);
  if (const auto centre = DownlinkCentre(*t); centre && Following()) driver_->Move(*centre);
}

void RigLink::SaveOffsets(const TransponderOffsets& offsets) {
  if (offsets == offsets_) return;
  if (const WriteOutcome saved = SaveOffsetFile(services_.programDir, offsets); !saved.ok) {
    services_.messages.Show("The offset could not be saved in " + std::string(kOffsetFileName) + " (" +
                                saved.reason + "); it is used until the program ends.",
                            "RodeDizevad");
  }
  offsets_ = offsets;
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
    const RigModes& m = driver_->Modes();
    if (!m.receive.empty()) text += "   " + m.receive + (m.transmit.empty() ? "" : "/" + m.transmit);
    if (m.toneTenths > 0) text += " tone " + ToneText(m.toneTenths) + " Hz";
    trouble = false;
  }
  if (const RigDriver::Link* tx = driver_ ? driver_->Transmitter() : nullptr) {
    text += "   uplink: " + transmitterName_;
    if (!tx->Error().empty()) {
      text += " reconnecting (" + tx->Error() + ")";
      trouble = true;
    } else if (tx->Now() != State::Open) {
      text += " connecting";
    }
  }
  if (driver_ && !driver_->Note().empty()) text += "   " + driver_->Note();
  Status->setText(QString::fromStdString(text));
  Status->setToolTip(Status->text());  // the bar cuts long reasons
  Status->setStyleSheet(trouble ? QStringLiteral("color: #c00000") : QString());
}

}  // namespace rdz
