#include "app/cli_rig.h"

#include <cmath>
#include <cstdio>

#include "platform/civil_time.h"
#include "radio/rig_sky.h"

namespace rdz {

namespace {

constexpr int kHamlibLimitMs = 1500;

std::string Hz(const std::optional<double>& hz) {
  if (!hz) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", *hz);
  return text;
}

CivilTime At(double seconds) { return CivilFromUnix(static_cast<std::int64_t>(std::floor(seconds))); }

}  // namespace

void LinkReport::Show(const std::string& trouble, std::ostream& err) {
  if (trouble == shown_) return;
  err << "rodedizevad-cli: " << name_ << (trouble.empty() ? " answers again" : ": " + trouble) << std::endl;
  shown_ = trouble;
}

TrackRig::TrackRig(std::shared_ptr<const OrbitModel> model, const Observer& station,
                   std::vector<Transponder> transponders, HorizonMask horizon)
    : model_(std::move(model)), station_(SetupEngine(station)), transponders_(std::move(transponders)),
      horizon_(std::move(horizon)) {}

bool TrackRig::Open(const RigConnection& c, const RigSettings& settings, RigLibrary& library, std::ostream& err) {
  report_ = LinkReport("radio model " + std::to_string(c.model) + " on " + c.port);
  driver_ = std::make_unique<RigDriver>([&library, c] { return library.Make(c, kHamlibLimitMs); }, settings,
                                        kRigDeadline);
  if (driver_->State() == RigDriver::Link::State::Unknown) {
    err << "rodedizevad-cli: Hamlib knows no radio model " << c.model << "\n";
    return false;
  }
  return true;
}

void TrackRig::Tick(double now) {
  const Transponder* transponder = transponders_.empty() ? nullptr : &transponders_.front();
  RigSky sky;
  if (transponder && model_) sky = RigSkyAt(station_, *model_, At(now), horizon_);
  driver_->Tick(transponder, sky.follow, sky.rangeRate);
}

void TrackRig::Poll(double now, std::ostream& out, std::ostream& err) {
  driver_->Poll();
  const RigTargets taken = driver_->TakeAccepted();
  if (taken.downlink) taken_.downlink = taken.downlink;
  if (taken.uplink) taken_.uplink = taken.uplink;
  // One line for the frequencies of one look, once the radio answered them all.
  if ((taken_.downlink || taken_.uplink) && driver_->Idle()) {
    const CivilTime t = At(now);
    out << FormatDate(t) << " " << FormatTime(t) << " rig " << Hz(taken_.downlink) << " " << Hz(taken_.uplink) << " "
        << Hz(driver_->ReadBack()) << std::endl;
    taken_ = {};
  }
  report_.Show(Trouble(*driver_), err);
}

}  // namespace rdz
