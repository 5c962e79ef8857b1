#include "passes/pass_finder.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rdz {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadPerDeg = kPi / 180.0;
// Covers the geodetic vertical against the geocentric one (at most 0.2
// degrees), which the central angle below ignores.
constexpr double kAngleMargin = 0.3 * kRadPerDeg;
constexpr std::int64_t kMaxStep = 6 * 3600;
constexpr double kNoElevation = -std::numeric_limits<double>::infinity();

struct Sample {
  std::int64_t t = 0;
  LookAngles a;
};

PassPoint PointOf(const Sample& s) { return {s.t, s.a.azimuth, s.a.elevation}; }

class Scanner {
 public:
  Scanner(const SatelliteTrack& track, const PassOptions& options)
      : track_(track),
        horizon_(options.horizon),
        minElevation_(options.minElevation),
        start_(options.start),
        end_(options.start + std::clamp<std::int64_t>(options.seconds, 0, 366 * 86400)) {
    if (track.limits) {
      const OrbitLimits& l = *track.limits;
      // Smallest reach while up (can it set?), largest while down (can it rise?).
      // The mask's highest point bounds where it can set, its lowest where it can rise.
      reachUp_ = Reach(l.minRadius, l.stationRadius * 1.0005, horizon_.Highest());
      reachDown_ = Reach(l.maxRadius, l.stationRadius * 0.9995, horizon_.Lowest());
    }
  }

  PassSearch Run();

 private:
  struct Followed {
    Pass pass;
    bool ended = false;  // LOS found; the scan goes on from the sample after it
    std::int64_t resumeT = 0;
    std::optional<LookAngles> resumeA;
  };

  // Central angle from the Earth's centre within which the satellite at
  // radius r stands at least at the horizon elevation.
  static double Reach(double r, double stationRadius, double horizon) {
    const double h = horizon * kRadPerDeg;
    const double x = stationRadius * std::cos(h) / r;
    if (!(x < 1.0)) return -kPi;
    return std::acos(x) - h;
  }

  std::optional<LookAngles> Look(std::int64_t t) {
    auto a = track_.look(t);
    if (a && !std::isfinite(a->elevation)) a.reset();
    if (a) {
      ++computed_;
    } else {
      ++failed_;
    }
    return a;
  }

  bool Up(const std::optional<LookAngles>& a) const {
    return a && a->elevation >= horizon_.At(a->azimuth);
  }

  // How far the scan may go from a sample without stepping over a rise (when
  // down) or a set (when up).
  std::int64_t Step(const std::optional<LookAngles>& a, bool up) const {
    if (!a || !track_.limits) return kFineStep;
    const OrbitLimits& l = *track_.limits;
    const double el = a->elevation * kRadPerDeg;
    const double psi =
        std::atan2(a->range * std::cos(el), l.stationRadius + a->range * std::sin(el));
    const double room = (up ? reachUp_ - psi : psi - reachDown_) - kAngleMargin;
    const double seconds = room / l.maxAngularRate;
    if (!(seconds > kFineStep)) return kFineStep;
    if (seconds > kMaxStep) return kMaxStep;
    return static_cast<std::int64_t>(seconds);
  }

  // First up second in (downT, up.t].
  Sample Rise(std::int64_t downT, Sample up) {
    while (up.t - downT > 1) {
      const std::int64_t mid = downT + (up.t - downT) / 2;
      const auto a = Look(mid);
      if (Up(a)) {
        up = {mid, *a};
      } else {
        downT = mid;
      }
    }
    return up;
  }

  // Last up second in [up.t, downT).
  Sample Set(Sample up, std::int64_t downT) {
    while (downT - up.t > 1) {
      const std::int64_t mid = up.t + (downT - up.t) / 2;
      const auto a = Look(mid);
      if (Up(a)) {
        up = {mid, *a};
      } else {
        downT = mid;
      }
    }
    return up;
  }

  Sample Evaluate(std::int64_t t) {
    const auto a = Look(t);
    return {t, a ? *a : LookAngles{0, kNoElevation, 0}};
  }

  // Highest second in [a, c], which brackets one maximum: golden section,
  // then every second of what is left.
  Sample Peak(std::int64_t a, std::int64_t c, Sample best) {
    const auto keep = [&best](const Sample& s) {
      if (s.a.elevation > best.a.elevation) best = s;
    };
    Sample lo = best, hi = best;
    if (c - a > 4) {
      lo = Evaluate(a + (c - a) * 382 / 1000);
      hi = Evaluate(a + c - lo.t);
      while (c - a > 4) {
        Sample kept;
        if (lo.a.elevation >= hi.a.elevation) {
          c = hi.t;
          kept = lo;
        } else {
          a = lo.t;
          kept = hi;
        }
        // The new point mirrors the kept one; whole seconds can make them meet.
        std::int64_t n = a + c - kept.t;
        if (n == kept.t) n += kept.t - a < c - kept.t ? 1 : -1;
        const Sample fresh = Evaluate(n);
        lo = n < kept.t ? fresh : kept;
        hi = n < kept.t ? kept : fresh;
      }
      keep(lo);
      keep(hi);
    }
    for (std::int64_t t = a; t <= c; ++t) {
      if (t != best.t && t != lo.t && t != hi.t) keep(Evaluate(t));
    }
    return best;
  }

  // Follows a pass from its first up sample to the first sample after it.
  Followed Follow(const Sample& aos, bool aosFound) {
    const std::int64_t limit = end_ + kPassLookAround;
    Followed out;
    Sample prev = aos, best = aos;
    std::int64_t beforeBest = aos.t, afterBest = -1;
    std::optional<Sample> los;
    while (prev.t < limit) {
      const std::int64_t t = std::min(prev.t + Step(prev.a, true), limit);
      const auto a = Look(t);
      if (!Up(a)) {
        los = Set(prev, t);
        out.ended = true;
        out.resumeT = t;
        out.resumeA = a;
        break;
      }
      const Sample s{t, *a};
      if (afterBest < 0) afterBest = t;
      if (s.a.elevation > best.a.elevation) {
        beforeBest = prev.t;
        best = s;
        afterBest = -1;
      }
      prev = s;
    }
    out.pass.aosFound = aosFound;
    out.pass.losFound = los.has_value();
    if (!los) los = prev;
    if (afterBest < 0) afterBest = los->t;
    out.pass.aos = PointOf(aos);
    out.pass.los = PointOf(*los);
    out.pass.tca = PointOf(Peak(beforeBest, afterBest, best));
    return out;
  }

  // The pass under way at the start: walk back to a down sample, then its rise.
  Followed FollowFromStart(Sample up) {
    const std::int64_t limit = start_ - kPassLookAround;
    while (up.t > limit) {
      const std::int64_t t = std::max(up.t - Step(up.a, true), limit);
      const auto a = Look(t);
      if (!Up(a)) return Follow(Rise(t, up), true);
      up = {t, *a};
    }
    return Follow(up, false);
  }

  const SatelliteTrack& track_;
  const HorizonMask horizon_;
  const double minElevation_;
  const std::int64_t start_, end_;
  double reachUp_ = 0, reachDown_ = 0;
  int computed_ = 0, failed_ = 0;
};

PassSearch Scanner::Run() {
  PassSearch out;
  std::vector<Pass> found;
  std::int64_t t = start_;
  auto a = Look(t);
  const auto take = [&](const Followed& f) {
    found.push_back(f.pass);
    t = f.resumeT;
    a = f.resumeA;
    return f.ended;
  };
  bool going = t < end_ && (!Up(a) || take(FollowFromStart({t, *a})));
  while (going && t < end_) {
    const std::int64_t next = std::min(t + Step(a, false), end_);
    const auto na = Look(next);
    if (Up(na)) {
      going = take(Follow(Rise(t, {next, *na}), true));
    } else {
      t = next;
      a = na;
    }
  }

  out.failedPropagations = failed_;
  if (computed_ == 0) {
    out.visibility = Visibility::Failed;
  } else if (found.empty()) {
    out.visibility = Visibility::NeverRises;
  } else if (found.size() == 1 && !found[0].aosFound && !found[0].losFound) {
    out.visibility = Visibility::NeverSets;
  } else {
    for (const Pass& p : found) {
      if (p.aos.time < end_ && p.los.time >= start_ && p.tca.elevation >= minElevation_) {
        out.passes.push_back(p);
      }
    }
  }
  return out;
}

}  // namespace

PassSearch FindPasses(const SatelliteTrack& track, const PassOptions& options) {
  return Scanner(track, options).Run();
}

}  // namespace rdz
