#include "core/passes/pass_finder.h"

#include "core/passes/horizon_plane.h"

#include <algorithm>
#include <array>
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
// The orbit's plane turns on the Earth-fixed axes with the Earth, plus what the
// perturbations add (for a low orbit about 2e-6 radians per second).
constexpr double kEarthTurn = 7.2921159e-5;  // radians per second
constexpr double kPlaneTurnRate = 1.05 * kEarthTurn + 1e-5;
// While the station stays within this angle of the plane, the point of the
// plane nearest to it moves at most kEarthTurn / cos(kPlaneAngleCap).
constexpr double kPlaneAngleCap = 75 * kRadPerDeg;
constexpr double kPlaneAngleRise = 20 * kRadPerDeg;
// Degrees per second per second: a top flatter than this is walked by elevation.
constexpr double kFlatTop = 2e-4;

using Vec = std::array<double, 3>;
double Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec Cross(const Vec& a, const Vec& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec Unit(const Vec& a) {
  const double n = std::sqrt(Dot(a, a));
  return {a[0] / n, a[1] / n, a[2] / n};
}

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
      cosReachUp_ = std::cos(reachUp_ - kAngleMargin);
      cosReachDown_ = std::cos(reachDown_ + kAngleMargin);
      stationUnit_ = Unit(l.station);
      if (horizon_.Flat() && horizon_.Lowest() == 0) plane_ = HorizonPlane::For(l);
    }
    const auto& p = horizon_.Points();
    for (std::size_t i = 0; i < p.size() && !horizon_.Flat(); ++i) {
      const MaskPoint& a = p[i];
      const MaskPoint& b = p[(i + 1) % p.size()];
      const double span = i + 1 < p.size() ? b.azimuth - a.azimuth : b.azimuth + 360 - a.azimuth;
      const double slope = span > 0 ? std::fabs(b.elevation - a.elevation) / span : 1e3;
      maskSlope_ = std::max(maskSlope_, slope);
      slopes_.push_back({a.azimuth, span, slope});
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
      failedInARow_ = 0;
    } else {
      ++failed_;
      ++failedInARow_;
    }
    return a;
  }

  bool Up(const std::optional<LookAngles>& a) const {
    return a && a->elevation >= horizon_.At(a->azimuth);
  }

  // How far the scan may go from a sample without stepping over a rise (when
  // down) or a set (when up).
  // `downFor`: seconds over which it is known to stay down.
  std::int64_t Step(const std::optional<LookAngles>& a, bool up, double downFor = 0) const {
    // A model that keeps failing (a decayed orbit) is asked ever more rarely.
    if (!a) return std::min<std::int64_t>(kFineStep << std::min(failedInARow_ / 4, 7), 3600);
    if (!horizon_.Flat() && a->elevation < horizon_.Highest() + 1 &&
        a->elevation > horizon_.Lowest() - 1) {
      return MaskStep(*a);
    }
    if (!track_.limits) return kFineStep;
    const OrbitLimits& l = *track_.limits;
    // The central angle from the positions where the model gives them, else from the look.
    double psi;
    if (Dot(a->position, a->position) > 0) {
      const Vec c = Cross(l.station, a->position);
      psi = std::atan2(std::sqrt(Dot(c, c)), Dot(l.station, a->position));
    } else {
      const double el = a->elevation * kRadPerDeg;
      psi = std::atan2(a->range * std::cos(el), l.stationRadius + a->range * std::sin(el));
    }
    const double room = (up ? reachUp_ - psi : psi - reachDown_) - kAngleMargin;
    double seconds = room / l.maxAngularRate;
    seconds = std::max(seconds, PlaneStep(*a, up, downFor));
    // Within a fine step of the mask's band: it may reach a steep part of it.
    if (!(seconds > kFineStep)) return horizon_.Flat() ? kFineStep : MaskStep(*a);
    if (seconds > kMaxStep) return kMaxStep;
    return static_cast<std::int64_t>(seconds);
  }

  // From a down sample: as far as it surely stays down, then at most a fine
  // step more, aimed just past where it is expected to rise.
  std::int64_t DownStep(const std::optional<LookAngles>& a) const {
    if (!plane_ || !a) return Step(a, false);
    const HorizonPlane::Height f = plane_->At(*a);
    const double sure = plane_->StaysDown(f);
    const std::int64_t step = Step(a, false, sure);
    const double rise = plane_->NextCrossing(f);
    const double aim = std::clamp(rise + Overshoot(rise), sure, sure + kFineStep);
    return std::max(step, static_cast<std::int64_t>(std::min(aim, static_cast<double>(kMaxStep))));
  }

  // From an up sample: where the height over the horizon is bent down it
  // cannot set and rise again, so any step within that stretch is safe; it is
  // aimed at the top while rising, just past the set while falling.
  std::int64_t UpStep(const LookAngles& a) const {
    const std::int64_t step = Step(a, true);
    if (!plane_) return step;
    const HorizonPlane::Height f = plane_->At(a);
    const double top = plane_->ToTop(f);
    const double set = plane_->NextCrossing(f);
    const double aim = std::min(top > 0 ? top : set + Overshoot(set), plane_->ConcaveFor(f));
    return std::max(step, static_cast<std::int64_t>(std::min(aim, static_cast<double>(kMaxStep))));
  }

  // How far past a predicted crossing to aim: the parabola drifts off with time.
  static double Overshoot(double seconds) { return 2 + 0.02 * seconds; }

  // Where the mask is not flat the satellite can dip under it and rise again
  // within a pass: near it, steps in which the height above the mask at the
  // satellite's azimuth cannot change sign. The line of sight turns at most
  // by speed / range (the range shrinking by a fifth at most over the step);
  // the azimuth 1 / cos(elevation) times as fast.
  std::int64_t MaskStep(const LookAngles& a) const {
    const double speed = std::sqrt(Dot(a.velocity, a.velocity));
    if (!(speed > 0 && a.range > 0)) return kFineStep;
    const double turn = 1.25 * speed / a.range / kRadPerDeg;  // degrees per second
    const double steepest = std::min(std::fabs(a.elevation) + turn * kFineStep, 85.0);
    const double cosSteepest = std::cos(steepest * kRadPerDeg);
    const double sweep = turn / cosSteepest * kFineStep;  // azimuth it can cover in the step
    const double rate = turn * (1 + SlopeNear(a.azimuth, sweep) / cosSteepest);
    const double height = std::fabs(a.elevation - horizon_.At(a.azimuth));
    const double seconds = std::min(height / rate, 0.2 * a.range / speed);
    return std::clamp<std::int64_t>(static_cast<std::int64_t>(seconds), 1, kFineStep);
  }

  // The steepest part of the mask within `width` degrees of azimuth `az`.
  double SlopeNear(double az, double width) const {
    if (!(width < 180)) return maskSlope_;
    double steepest = 0;
    for (const MaskSlope& s : slopes_) {
      for (const double turn : {-360.0, 0.0, 360.0}) {
        if (s.from + turn <= az + width && s.from + s.span + turn >= az - width) steepest = std::max(steepest, s.slope);
      }
    }
    return steepest;
  }

  // Seconds over which the satellite stays out of reach (down) or within it
  // (up), by the orbit's plane. On a sphere, with beta the station's angle
  // from the plane and d the angle along the plane from the satellite to the
  // plane's point nearest the station (ahead positive),
  // cos(psi) = cos(beta) cos(d). beta changes at most at kPlaneTurnRate; d at
  // most at the satellite's h / r^2 (h falls with drag and wavers by far less
  // than the slack) plus kEarthTurn / cos(beta) for that point, beta kept
  // below `cap` by cutting the step. When up and ahead, the step ends where
  // the satellite passes nearest, so that the peak is bracketed.
  double PlaneStep(const LookAngles& a, bool up, double downFor) const {
    const OrbitLimits& l = *track_.limits;
    const double reach = up ? reachUp_ - kAngleMargin : reachDown_ + kAngleMargin;
    if (!(reach > 0 && reach < kPlaneAngleCap) || Dot(a.position, a.position) == 0) return 0;
    const Vec& r = a.position;
    const Vec inertial = {a.velocity[0] - kEarthTurn * r[1], a.velocity[1] + kEarthTurn * r[0],
                          a.velocity[2]};
    const Vec h = Cross(r, inertial);
    if (Dot(h, h) == 0) return 0;
    const Vec n = Unit(h), &s = stationUnit_, u = Unit(r);
    const double sinBeta = std::clamp(Dot(s, n), -1.0, 1.0);
    const double beta = std::asin(std::fabs(sinBeta));
    const double cosBeta = std::sqrt(1.0 - sinBeta * sinBeta);
    const double cosReach = up ? cosReachUp_ : cosReachDown_;
    const Vec p = {s[0] - sinBeta * n[0], s[1] - sinBeta * n[1], s[2] - sinBeta * n[2]};
    const double d = std::atan2(Dot(Cross(n, u), p), Dot(u, p));
    const double hNorm = std::sqrt(Dot(h, h));
    // How far along the plane d may lie at a given beta, with psi at the reach.
    const auto alongCos = [&](double b, double cosB) { return b < reach ? std::acos(cosReach / cosB) : -1.0; };
    const auto along = [&](double b) { return alongCos(b, std::cos(b)); };
    static const double kCosCap = std::cos(kPlaneAngleCap), kCosRise = std::cos(kPlaneAngleRise),
                        kSinRise = std::sin(kPlaneAngleRise);
    const double cap = std::min(beta + kPlaneAngleRise, kPlaneAngleCap);
    const double cosCap =
        cap == kPlaneAngleCap ? kCosCap : cosBeta * kCosRise - std::fabs(sinBeta) * kSinRise;
    const double capped = (cap - beta) / kPlaneTurnRate;
    const double turn = std::min(1.02 * hNorm / (l.minRadius * l.minRadius), l.maxAngularRate);
    const double rate = turn + kEarthTurn / cosCap;
    if (up) {
      // |d| grows to along(beta) no sooner than (along + d) / rate.
      const double t0 = (alongCos(beta, cosBeta) + d) / rate;
      if (!(t0 > 0) || beta + kPlaneTurnRate * t0 >= reach) return 0;
      double t = std::min((along(beta + kPlaneTurnRate * t0) + d) / rate, capped);
      const double nearest = d * Dot(r, r) / hNorm;
      if (d > 0 && nearest > kFineStep) t = std::min(t, nearest);
      return t;
    }
    double t = (beta - reach) / kPlaneTurnRate;
    if (beta >= reach) return std::max(t, FarFromPlane(n, s, reach));
    if (d > 0) {
      // Ahead: it must first come within along(beta') of that point.
      const double t1 = (d - alongCos(beta, cosBeta)) / rate;
      if (t1 > 0) t = std::max(t, std::min((d - along(std::max(beta - kPlaneTurnRate * t1, 0.0))) / rate, capped));
      return t;
    }
    // Behind and moving away: only beta shrinking or the next revolution bring it in.
    const double around = std::min((2 * kPi + d - reach) / rate, capped);
    double away = -d >= reach ? around : (beta - std::acos(cosReach / std::cos(d))) / kPlaneTurnRate;
    // Known to stay down until it has drawn out of reach: then only the next revolution brings it in.
    const double slow = 0.98 * hNorm / (l.maxRadius * l.maxRadius) - kEarthTurn / cosCap;
    if (slow > 0 && downFor * slow >= reach + d) away = around;
    return std::max(t, std::min(away, around));
  }

  // Seconds before the station can come within `reach` of the orbit's
  // plane, the plane turning with the Earth alone: sin(beta) is then
  // C + A cos(theta), theta growing at kEarthTurn. The node's drift (under
  // 2e-6 radians per second) and the short-period wobble of the plane (a
  // few thousandths of a radian) are added to the reach, for up to kMaxStep.
  static double FarFromPlane(const Vec& n, const Vec& s, double reach) {
    constexpr double kDrift = 2.5e-6, kWobble = 0.003;
    const double limit = std::sin(std::min(reach + kWobble + kDrift * kMaxStep, kPi / 2));
    const double c = n[2] * s[2];
    const double amplitude = std::hypot(n[0], n[1]) * std::hypot(s[0], s[1]);
    const double theta = std::atan2(s[1], s[0]) - std::atan2(n[1], n[0]);
    const double now = c + amplitude * std::cos(theta);
    if (!(amplitude > 1e-9) || std::fabs(now) <= limit) return 0;
    // Into [-limit, limit]: from above the cosine falls to hi, from below it rises to lo.
    const double hi = (limit - c) / amplitude, lo = (-limit - c) / amplitude;
    if (hi < -1 || lo > 1) return kMaxStep;
    const double enter = now > limit ? std::acos(std::clamp(hi, -1.0, 1.0))
                                     : 2 * kPi - std::acos(std::clamp(lo, -1.0, 1.0));
    double turn = std::fmod(enter - theta, 2 * kPi);
    if (turn < 0) turn += 2 * kPi;
    return std::min(turn / kEarthTurn, static_cast<double>(kMaxStep));
  }

  // Height above the mask at the satellite's azimuth; NaN when not computed.
  double Height(const std::optional<LookAngles>& a) const {
    return a ? a->elevation - horizon_.At(a->azimuth) : std::nan("");
  }

  // The up second next to where the satellite crosses the mask between a down
  // second and an up one, either order: the first up second of a rise, the
  // last of a set. The crossing is guessed by interpolation on the height
  // above the mask and the whole second on the up side of the guess is asked;
  // once the guess lies within a second of the up one, its neighbour settles
  // it. Twice in a row the same end moved: a halving instead.
  Sample Edge(std::int64_t downT, std::optional<LookAngles> downA, Sample up) {
    const std::int64_t dir = up.t > downT ? 1 : -1;
    double downH = Height(downA);
    // Over a flat horizon the height changes at the elevation rate.
    double downRate = downA && horizon_.Flat() ? downA->elevationRate : std::nan("");
    int sameEnd = 0;
    bool upMoved = false;
    while ((up.t - downT) * dir > 1) {
      const double upH = Height(up.a);
      std::int64_t n = downT + (up.t - downT) / 2;
      if (downH < 0 && upH >= 0 && sameEnd < 2) {
        const double upRate = horizon_.Flat() ? up.a.elevationRate : std::nan("");
        const double x = Crossing(static_cast<double>(up.t - downT), downH, downRate, upH, upRate,
                                  -downH / (upH - downH)) *
                             static_cast<double>(up.t - downT) +
                         static_cast<double>(downT);
        n = static_cast<std::int64_t>(dir > 0 ? std::ceil(x) : std::floor(x));
        n = dir > 0 ? std::clamp(n, downT + 1, up.t - 1) : std::clamp(n, up.t + 1, downT - 1);
      }
      const auto a = Look(n);
      const bool isUp = Up(a);
      sameEnd = sameEnd >= 2 || isUp != upMoved ? 1 : sameEnd + 1;
      upMoved = isUp;
      if (isUp) {
        up = {n, *a};
      } else {
        downT = n;
        downH = Height(a);
        downRate = a && horizon_.Flat() ? a->elevationRate : std::nan("");
      }
    }
    return up;
  }

  // Where, as a fraction of the span `length` seconds, the cubic through the
  // heights h0, h1 with the rates m0, m1 at its ends crosses zero: Newton's
  // steps from the straight line's guess `s`, which stays where the rates
  // are unknown or the steps stray.
  static double Crossing(double length, double h0, double m0, double h1, double m1, double s) {
    if (!std::isfinite(m0) || !std::isfinite(m1)) return s;
    const double d0 = m0 * length, d1 = m1 * length;
    double x = s;
    for (int k = 0; k < 4; ++k) {
      const double x2 = x * x, x3 = x2 * x;
      const double p = (2 * x3 - 3 * x2 + 1) * h0 + (x3 - 2 * x2 + x) * d0 + (3 * x2 - 2 * x3) * h1 +
                       (x3 - x2) * d1;
      const double slope = (6 * x2 - 6 * x) * (h0 - h1) + (3 * x2 - 4 * x + 1) * d0 + (3 * x2 - 2 * x) * d1;
      if (!(slope != 0)) return s;
      x -= p / slope;
      if (!(x >= 0 && x <= 1)) return s;
    }
    return x;
  }

  Sample Evaluate(std::int64_t t) {
    const auto a = Look(t);
    return {t, a ? *a : LookAngles{0, kNoElevation, 0}};
  }

  // The vertex of the parabola through three samples; NaN when they make none.
  static double Vertex(const Sample& a, const Sample& b, const Sample& c) {
    const double x1 = static_cast<double>(a.t - b.t), x3 = static_cast<double>(c.t - b.t);
    const double y1 = a.a.elevation - b.a.elevation, y3 = c.a.elevation - b.a.elevation;
    const double den = x1 * y3 - x3 * y1;
    if (!(den != 0) || !std::isfinite(den)) return std::nan("");
    return static_cast<double>(b.t) + 0.5 * (x1 * x1 * y3 - x3 * x3 * y1) / den;
  }

  // Highest second in [lo.t, hi.t], over which the elevation has one
  // maximum; `best` the highest known. Parabolas through the three, a halving
  // of the longer side when one does not shrink the bracket enough; done when
  // both neighbours of the best second are known.
  Sample Peak(Sample lo, Sample best, Sample hi) {
    bool halve = false;
    while (best.t - lo.t > 1 || hi.t - best.t > 1) {
      const std::int64_t width = hi.t - lo.t;
      const bool leftLonger = best.t - lo.t > hi.t - best.t;
      std::int64_t n = leftLonger ? best.t - (best.t - lo.t) / 2 : best.t + (hi.t - best.t + 1) / 2;
      const double x = Vertex(lo, best, hi);
      if (!halve && std::isfinite(x)) {
        const auto v = static_cast<std::int64_t>(std::llround(x));
        if (v != best.t) {
          n = v;
        } else {
          n = best.t + (x >= static_cast<double>(best.t) ? 1 : -1);
        }
        if (n <= lo.t || n >= hi.t || n == best.t) n = best.t + (leftLonger ? -1 : 1);
      }
      const Sample s = Evaluate(n);
      if (s.a.elevation > best.a.elevation) {
        (n < best.t ? hi : lo) = best;
        best = s;
      } else {
        (n < best.t ? lo : hi) = s;
      }
      halve = !halve && (hi.t - lo.t) * 10 > width * 7;
    }
    return best;
  }

  // The top of the cubic through two samples with their elevations and
  // elevation rates, rising at `lo` and falling at `hi`.
  static double SlopeTop(const Sample& lo, const Sample& hi) {
    const double h = static_cast<double>(hi.t - lo.t);
    const double m0 = lo.a.elevationRate, m1 = hi.a.elevationRate;
    const double rise = hi.a.elevation - lo.a.elevation - m0 * h;
    const double b = (m1 - m0 - 2 * rise / h) / (h * h);
    const double a = (rise - b * h * h * h) / (h * h);
    // m0 + 2 a x + 3 b x^2 = 0, the root where the rate turns negative.
    double x = h * m0 / (m0 - m1);
    const double disc = a * a - 3 * b * m0;
    if (b != 0 && disc >= 0) {
      const double q = -(a + std::copysign(std::sqrt(disc), a));
      for (const double r : {q / (3 * b), q != 0 ? m0 / q : -1.0}) {
        if (r >= 0 && r <= h) x = r;
      }
    } else if (b == 0 && a < 0) {
      x = -m0 / (2 * a);
    }
    return static_cast<double>(lo.t) + x;
  }

  // Highest second between a rising sample and a falling one, by the
  // elevation rate: the top of their cubic asked until the two are a second
  // apart; the higher of them is then the highest second. A cubic that keeps
  // missing is helped by halvings. The model's rate is off by up to some
  // 4e-5 degrees per second: on a flat top that moves the turn by seconds,
  // so there the elevations themselves settle it.
  Sample PeakBySlope(Sample lo, Sample hi) {
    for (int round = 0; hi.t - lo.t > 1; ++round) {
      std::int64_t n = lo.t + (hi.t - lo.t) / 2;
      const double x = SlopeTop(lo, hi);
      if ((round < 3 || round % 2 == 1) && std::isfinite(x)) n = std::llround(x);
      n = std::clamp(n, lo.t + 1, hi.t - 1);
      const Sample s = Evaluate(n);
      if (!std::isfinite(s.a.elevationRate)) return Peak(lo, lo.a.elevation >= hi.a.elevation ? lo : hi, hi);
      (s.a.elevationRate >= 0 ? lo : hi) = s;
    }
    Sample best = hi.a.elevation > lo.a.elevation ? hi : lo;
    if (lo.a.elevationRate - hi.a.elevationRate < kFlatTop) {
      const std::int64_t away = best.t == hi.t ? 1 : -1;
      for (int k = 0; k < 3600; ++k) {
        const Sample s = Evaluate(best.t + away);
        if (!(s.a.elevation > best.a.elevation)) break;
        best = s;
      }
    }
    return best;
  }

  // The highest second of a pass, from the highest sample and its
  // neighbours: by the elevation rate where the model gives it.
  Sample Top(const Sample& before, const Sample& best, const Sample& after) {
    const double rate = best.a.elevationRate;
    if (rate >= 0 && after.a.elevationRate < 0 && after.t > best.t) return PeakBySlope(best, after);
    if (rate < 0 && before.a.elevationRate >= 0 && before.t < best.t) return PeakBySlope(before, best);
    return Peak(before, best, after);
  }

  // Follows a pass from its first up sample to the first sample after it.
  Followed Follow(const Sample& aos, bool aosFound) {
    const std::int64_t limit = end_ + kPassLookAround;
    Followed out;
    Sample prev = aos, best = aos, beforeBest = aos;
    std::optional<Sample> afterBest, los;
    while (prev.t < limit) {
      const std::int64_t t = std::min(prev.t + UpStep(prev.a), limit);
      const auto a = Look(t);
      if (!Up(a)) {
        los = Edge(t, a, prev);
        out.ended = true;
        out.resumeT = t;
        out.resumeA = a;
        break;
      }
      const Sample s{t, *a};
      if (!afterBest) afterBest = s;
      if (s.a.elevation > best.a.elevation) {
        beforeBest = prev;
        best = s;
        afterBest.reset();
      }
      prev = s;
    }
    out.pass.aosFound = aosFound;
    out.pass.losFound = los.has_value();
    if (!los) los = prev;
    if (!afterBest) afterBest = *los;
    out.pass.aos = PointOf(aos);
    out.pass.los = PointOf(*los);
    out.pass.tca = PointOf(Top(beforeBest, best, *afterBest));
    return out;
  }

  // The pass under way at the start: walk back to a down sample, then its rise.
  Followed FollowFromStart(Sample up) {
    const std::int64_t limit = start_ - kPassLookAround;
    while (up.t > limit) {
      const std::int64_t t = std::max(up.t - Step(up.a, true), limit);
      const auto a = Look(t);
      if (!Up(a)) return Follow(Edge(t, a, up), true);
      up = {t, *a};
    }
    return Follow(up, false);
  }

  const SatelliteTrack& track_;
  const HorizonMask horizon_;
  const double minElevation_;
  const std::int64_t start_, end_;
  double reachUp_ = 0, reachDown_ = 0;
  double cosReachUp_ = 1, cosReachDown_ = 1;  // of the reaches with their margins
  Vec stationUnit_{};
  std::optional<HorizonPlane> plane_;  // a flat horizon at zero and a low orbit
  double maskSlope_ = 0;  // degrees of elevation per degree of azimuth, at most
  struct MaskSlope {
    double from, span, slope;  // the part of the mask from `from` over `span` degrees
  };
  std::vector<MaskSlope> slopes_;
  int computed_ = 0, failed_ = 0, failedInARow_ = 0;
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
    const std::int64_t next = std::min(t + DownStep(a), end_);
    const auto na = Look(next);
    if (Up(na)) {
      going = take(Follow(Edge(t, a, {next, *na}), true));
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
