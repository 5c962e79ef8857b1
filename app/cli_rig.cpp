#include "app/cli_rig.h"

#include <cmath>
#include <cstdio>

#include "platform/civil_time.h"
#include "platform/lenient_number.h"
#include "radio/rig_sky.h"

namespace rdz {

namespace {

constexpr int kCallLimitMs = 3000;

std::string Hz(const std::optional<double>& hz) {
  if (!hz) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.0f", *hz);
  return text;
}

}  // namespace

TrackRig::TrackRig(std::shared_ptr<const OrbitModel> model, const Observer& station,
                   std::vector<Transponder> transponders)
    : model_(std::move(model)), station_(SetupEngine(station)), transponders_(std::move(transponders)) {}

bool TrackRig::Open(const RigConnection& c, const RigSettings& settings, RigLibrary& library, std::ostream& err) {
  name_ = "radio model " + std::to_string(c.model) + " on " + c.port;
  auto rig = library.Make(c, kCallLimitMs);
  if (!rig) {
    err << "rodedizevad-cli: Hamlib knows no radio model " << c.model << "\n";
    return false;
  }
  driver_ = std::make_unique<RigDriver>(std::move(rig), settings, kCallLimitMs);
  driver_->WaitForAnswers();
  driver_->Collect();
  if (!driver_->Engaged()) {
    err << "rodedizevad-cli: cannot open " << name_ << ": " << driver_->Error() << "\n";
    return false;
  }
  return true;
}

bool TrackRig::Tick(double now, std::ostream& out, std::ostream& err) {
  if (!driver_) return true;
  const Transponder* transponder = transponders_.empty() ? nullptr : &transponders_.front();
  RigSky sky;
  if (transponder && model_) sky = RigSkyAt(station_, *model_, CivilFromUnix(static_cast<std::int64_t>(std::floor(now))));
  driver_->Tick(transponder, sky.follow, sky.rangeRate);
  // The dial is read, then the frequencies follow.
  for (int i = 0; i < 2; ++i) {
    driver_->WaitForAnswers();
    driver_->Collect();
  }
  const RigTargets& sent = driver_->Sent();
  if (!driver_->Engaged()) {
    err << "rodedizevad-cli: " << name_ << " stopped: " << driver_->Error() << "\n";
    return false;
  }
  if (sent.downlink || sent.uplink) {
    const CivilTime t = CivilFromUnix(static_cast<std::int64_t>(std::floor(now)));
    out << FormatDate(t) << " " << FormatTime(t) << " rig " << Hz(sent.downlink) << " " << Hz(sent.uplink) << " "
        << Hz(driver_->ReadBack()) << std::endl;
  }
  return true;
}

}  // namespace rdz
