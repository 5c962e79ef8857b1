#include "windows/main/rig_link.h"

#include <QAction>
#include <QLabel>
#include <cstdio>

#include "windows/main/frm_track.h"
#include "core/orbit/engine.h"
#include "core/base/text_lines.h"
#include "core/radio/rig_sky.h"

namespace rdz {

namespace {

std::string Hz(double hz) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f Hz", hz);
  return text;
}

}  // namespace

void RigLink::Use(const RigConfig& config, bool save) {
  if (driver_ && config.connection == config_.connection && config.settings.uplink == UplinkWay::SatelliteMode) {
    driver_->HandOver();
  }
  config_ = config;
  driver_.reset();
  looked_.reset();
  Timer.stop();
  if (save) Saved(SaveRigConfig(services_.programDir, config));
  offsets_ = ReadOffsetFile(services_.programDir);
  if (config.connection) {
    const DeviceAddress c = *config.connection;
    RigLibrary* library = services_.rigs;
    name_ = NameOf(library, c.model);
    RigDriver::Make transmitter;
    if (config.transmitter && config.settings.uplink == UplinkWay::SecondRadio) {
      const DeviceAddress t = *config.transmitter;
      transmitterName_ = NameOf(library, t.model) + " " + t.port;
      transmitter = [library, t] { return library ? library->Make(t, kRigHamlibLimitMs) : nullptr; };
    }
    driver_ = std::make_unique<RigDriver>(
        [library, c] { return library ? library->Make(c, kRigHamlibLimitMs) : nullptr; }, config.settings,
        kRigDeadline, Notify(), std::move(transmitter));
    StartPolling();
  }
  window_.Menus.TrkRadio->setChecked(config.connection.has_value());
  ShowStatus();
  if (save) window_.SettingsChanged();
}

void RigLink::Choose() {
  OpenDialog(
      dialog_, services_.rigs, config_, [this] { Use(dialog_->Result(), true); },
      // The menu item toggled its own check mark; it shows the radio in use.
      [this] { window_.Menus.TrkRadio->setChecked(config_.connection.has_value()); });
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
  bool fine = false;
  std::string text = DeviceStatus(device_, driver_ ? driver_->State() : DeviceState::Unknown,
                                  driver_ ? driver_->Error() : "", config_.connection->model,
                                  name_ + " " + config_.connection->port, fine);
  if (fine) {
    if (const auto& read = driver_->ReadBack()) text += "   rig " + Hz(*read);
    if (const auto& down = driver_->Follower().SatelliteDownlink()) text += "   satellite " + Hz(*down);
    const RigModes& m = driver_->Modes();
    if (!m.receive.empty()) text += "   " + m.receive + (m.transmit.empty() ? "" : "/" + m.transmit);
    if (m.toneTenths > 0) text += " tone " + ToneText(m.toneTenths) + " Hz";
  }
  bool trouble = !fine;
  if (const RigDriver::Link* tx = driver_ ? driver_->Transmitter() : nullptr) {
    text += "   uplink: " + transmitterName_;
    if (!tx->Error().empty()) {
      text += " reconnecting (" + tx->Error() + ")";
      trouble = true;
    } else if (tx->Now() != DeviceState::Open) {
      text += " connecting";
    }
  }
  if (driver_ && !driver_->Note().empty()) text += "   " + driver_->Note();
  ShowStatusLine(text, trouble);
}

}  // namespace rdz
