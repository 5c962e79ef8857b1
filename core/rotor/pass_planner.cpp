#include "core/rotor/pass_planner.h"

#include <algorithm>
#include <cmath>

#include "core/passes/pass_finder.h"

namespace rdz {

AzimuthLimits LimitsOf(AzimuthRange range) {
  switch (range) {
    case AzimuthRange::From180To180: return {-180, 180};
    case AzimuthRange::From0To450: return {0, 450};
    case AzimuthRange::From0To360: break;
  }
  return {0, 360};
}

namespace {

bool Finite(const LookAngles& a) { return std::isfinite(a.azimuth) && std::isfinite(a.elevation); }

std::optional<LookAngles> Up(const SkyPosition& sky, double t, const RotorSettings& settings) {
  const auto a = sky(t);
  if (!a || !Finite(*a) || a->elevation < std::max(settings.minElevation, settings.horizon.At(a->azimuth))) {
    return std::nullopt;
  }
  return a;
}

// -180..180: the shortest turn from one azimuth to the next.
double Turn(double from, double to) { return std::remainder(to - from, 360.0); }

// The azimuths of the pass as one continuous turn, starting within [low, low + 360).
std::vector<double> Continuous(const std::vector<LookAngles>& sky, bool flipped, double low) {
  std::vector<double> path;
  path.reserve(sky.size());
  for (const LookAngles& a : sky) {
    const double az = a.azimuth + (flipped ? 180 : 0);
    if (path.empty()) {
      path.push_back(low + std::fmod(std::fmod(az - low, 360.0) + 360.0, 360.0));
    } else {
      path.push_back(path.back() + Turn(path.back(), az));
    }
  }
  return path;
}

// The whole turns to add so that the path stays between the stops, if any do.
std::optional<double> FittingShift(const std::vector<double>& path, AzimuthLimits limits) {
  const auto [lo, hi] = std::minmax_element(path.begin(), path.end());
  for (const double shift : {0.0, 360.0, -360.0}) {
    if (*lo + shift >= limits.low && *hi + shift <= limits.high) return shift;
  }
  return std::nullopt;
}

}  // namespace

LookAngle RotorPosition(const LookAngles& sky, bool flipped, double near, const RotorSettings& settings) {
  const AzimuthLimits limits = LimitsOf(settings.azimuthRange);
  const double az = sky.azimuth + (flipped ? 180 : 0);
  const double base = limits.low + std::fmod(std::fmod(az - limits.low, 360.0) + 360.0, 360.0);
  double best = base;
  if (base + 360 <= limits.high && std::abs(base + 360 - near) < std::abs(base - near)) best = base + 360;
  const double el = flipped ? 180 - sky.elevation : sky.elevation;
  return {best, std::clamp(el, 0.0, settings.maxElevation)};
}

std::optional<PassPlan> PlanPass(const SkyPosition& sky, double start, const RotorSettings& settings) {
  std::vector<LookAngles> samples;
  double t = start;
  while (t - start <= kLongestPassSeconds) {
    const auto a = Up(sky, t, settings);
    if (!a) break;
    samples.push_back(*a);
    t += kPlanStepSeconds;
  }
  if (samples.empty()) return std::nullopt;

  PassPlan plan;
  plan.aos = start;
  plan.los = t;
  const AzimuthLimits limits = LimitsOf(settings.azimuthRange);
  std::vector<double> azimuths = Continuous(samples, false, limits.low);
  std::optional<double> shift = FittingShift(azimuths, limits);
  if (!shift && settings.maxElevation >= 180) {
    azimuths = Continuous(samples, true, limits.low);
    shift = FittingShift(azimuths, limits);
    plan.flipped = shift.has_value();
  }
  if (shift) {
    for (double& az : azimuths) az += *shift;
    const bool beyond = *std::max_element(azimuths.begin(), azimuths.end()) > 360;
    plan.way = plan.flipped ? PassWay::Flip
               : beyond && settings.azimuthRange == AzimuthRange::From0To450 ? PassWay::Overlap
                                                                             : PassWay::Plain;
    for (std::size_t i = 0; i < samples.size(); ++i) {
      const double el = plan.flipped ? 180 - samples[i].elevation : samples[i].elevation;
      plan.path.push_back({azimuths[i], std::clamp(el, 0.0, settings.maxElevation)});
    }
    return plan;
  }
  // Nothing keeps the pass inside the stops: the rotor turns back once on the way.
  plan.way = PassWay::Unwind;
  double near = azimuths.front();
  for (const LookAngles& a : samples) {
    plan.path.push_back(RotorPosition(a, false, near, settings));
    near = plan.path.back().azimuth;
  }
  return plan;
}

void PassPlanner::Reset() {
  plan_.reset();
  sent_.reset();
  parked_ = false;
}

std::optional<RotorCommand> PassPlanner::Send(const LookAngle& position, CommandReason reason) {
  if (sent_ && std::abs(position.azimuth - sent_->azimuth) < settings_.minChange &&
      std::abs(position.elevation - sent_->elevation) < settings_.minChange) {
    return std::nullopt;
  }
  sent_ = position;
  return RotorCommand{position, reason};
}

std::optional<double> PassPlanner::AheadAos(const SkyPosition& sky, double now) const {
  // The rise by the pass search, to the second: the first whole second after now.
  const double wait = settings_.waitMinutes * 60;
  if (!(wait >= 1)) return std::nullopt;
  SatelliteTrack track;
  track.look = [&sky](std::int64_t t) { return sky(static_cast<double>(t)); };
  PassOptions options;
  options.start = static_cast<std::int64_t>(std::floor(now)) + 1;
  options.seconds = static_cast<std::int64_t>(std::min(wait, kLongestPassSeconds));
  options.horizon = AtLeast(settings_.horizon, settings_.minElevation);
  options.minElevation = settings_.minElevation;
  for (const Pass& p : FindPasses(track, options).passes) {
    if (p.aosFound && p.aos.time >= options.start) return static_cast<double>(p.aos.time);
  }
  return std::nullopt;
}

std::optional<RotorCommand> PassPlanner::Step(const SkyPosition& sky, double now) {
  const double wait = settings_.waitMinutes * 60;
  if (plan_ && (now >= plan_->los || now < plan_->aos - wait)) {
    // A plan ends after 12 hours while the Sun or a high orbit may still be up.
    const bool ended = now >= plan_->los && !Up(sky, now, settings_);
    plan_.reset();
    if (ended && settings_.parkAfterLos && !parked_) {
      parked_ = true;
      return Send({settings_.parkAzimuth, settings_.parkElevation}, CommandReason::Park);
    }
  }
  if (!plan_) {
    const auto aos = Up(sky, now, settings_) ? std::optional<double>(now) : AheadAos(sky, now);
    if (aos) plan_ = PlanPass(sky, *aos, settings_);
    if (!plan_) return std::nullopt;
    parked_ = false;
  }
  const PassPlan& plan = *plan_;
  if (now < plan.aos) {
    // Ready at the start of the chosen way, at the horizon.
    return Send({plan.path.front().azimuth, plan.flipped ? 180.0 : 0.0}, CommandReason::Wait);
  }
  // Set between two samples of the plan: the rotor stays where it is.
  const auto a = Up(sky, now, settings_);
  if (!a) return std::nullopt;
  const auto i = std::min(plan.path.size() - 1, static_cast<std::size_t>((now - plan.aos) / kPlanStepSeconds));
  return Send(RotorPosition(*a, plan.flipped, plan.path[i].azimuth, settings_), CommandReason::Track);
}

}  // namespace rdz
