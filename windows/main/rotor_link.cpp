#include "windows/main/rotor_link.h"

#include <QAction>
#include <cstdio>

#include "core/rotor/kv250_follow.h"
#include "core/rotor/kv250_rotor.h"
#include "core/rotor/pass_planner.h"
#include "core/rotor/satellite_sky.h"
#include "windows/main/frm_track.h"

namespace rdz {

namespace {

std::string Position(const LookAngle& a) {
  char text[48];
  std::snprintf(text, sizeof text, "%.1f %.1f", a.azimuth, a.elevation);
  return text;
}

}  // namespace

void RotorLink::Use(const RotorConfig& config, bool save) {
  config_ = config;
  driver_.reset();
  ShowCheckMarks();
  if (save) Saved(SaveRotorConfig(services_.programDir, config));
  RotorDriver::Make make;
  std::unique_ptr<FollowPolicy> policy;
  if (config.choice.hamlib) {
    const DeviceAddress c = config.choice.connection;
    RotorLibrary* library = services_.rotors;
    name_ = NameOf(library, c.model);
    make = [library, c] { return library ? library->Make(c, kRotorHamlibLimitMs) : nullptr; };
    policy = std::make_unique<PassPlanner>(config.settings);
  } else {
    name_ = "KV 250";
    make = [ports = services_.ports, lpt = config.choice.lpt]() -> std::unique_ptr<Rotor> {
      return std::make_unique<Kv250Rotor>(ports ? ports(lpt) : nullptr);
    };
    policy = std::make_unique<Kv250Follow>(config.settings.horizon);
  }
  driver_ = std::make_unique<RotorDriver>(std::move(make), std::move(policy), kRotorDeadline, Notify());
  StartPolling();
  window_.ShowTrackerCaption();
  ShowStatus();
  if (save) window_.SettingsChanged();
}

void RotorLink::ChooseOther() {
  OpenDialog(
      dialog_, services_.rotors, config_,
      [this] {
        RotorConfig chosen = dialog_->Result();
        chosen.settings.horizon = config_.settings.horizon;  // the station's, not the dialog's
        Use(chosen, true);
      },
      // Choosing "Other" moved the check mark; cancelled, it returns to the rotor in use.
      [this] { ShowCheckMarks(); });
  ShowCheckMarks();
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
  const RotorChoice& c = config_.choice;
  bool fine = false;
  std::string text = DeviceStatus(device_, driver_ ? driver_->State() : DeviceState::Unknown,
                                  driver_ ? driver_->Error() : "", c.connection.model,
                                  name_ + " " + (c.hamlib ? c.connection.port : "LPT" + std::to_string(c.lpt)), fine);
  if (fine && driver_->Commanded()) text += "   sent AZ EL " + Position(*driver_->Commanded());
  if (fine && driver_->ReadBack()) text += "   rotor AZ EL " + Position(*driver_->ReadBack());
  ShowStatusLine(text, !fine);
}

}  // namespace rdz
