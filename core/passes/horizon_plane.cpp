#include "core/passes/horizon_plane.h"

#include <cmath>
#include <limits>

namespace rdz {

namespace {

constexpr double kMu = 398600.8;  // km^3/s^2
constexpr double kEarthRate = 7.2921159e-5;  // radians per second
// With a hundredth of slack: the models' Earth turns at this rate or within it.
constexpr double kEarthTurn = 1.01 * kEarthRate;
// Everything but the central pull (the Earth's flattening, drag, the models'
// own terms) is far below this share of it.
constexpr double kOtherForces = 0.02;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

double Dot(const std::array<double, 3>& a, const std::array<double, 3>& b) {
  return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

}  // namespace

std::optional<HorizonPlane> HorizonPlane::For(const OrbitLimits& l) {
  const double upNorm = std::sqrt(Dot(l.up, l.up));
  if (!(std::fabs(upNorm - 1) < 1e-9) || !(l.minRadius > 0) || !(l.maxRadius >= l.minRadius)) {
    return std::nullopt;
  }
  HorizonPlane p;
  p.up_ = l.up;
  p.level_ = Dot(l.station, l.up);
  const double rMin = l.minRadius, rMax = l.maxRadius;
  // Fastest on the widest ellipse between the two radii, plus the ground's own turning.
  const double speed = std::sqrt(1.02 * kMu * (2 / rMin - 1 / rMax)) + kEarthTurn * rMax;
  const double pull = kMu / (rMin * rMin);
  // a . up = -mu (r . up) / |r|^3 + Coriolis + centrifugal + the rest.
  const double others = 2 * kEarthTurn * speed + kEarthTurn * kEarthTurn * rMax + kOtherForces * pull;
  p.bentBeyond_ = others * rMax * rMax * rMax / kMu;
  p.maxCurve_ = (1 + kOtherForces) * pull + others;
  p.maxSpeed_ = speed;
  p.maxRadius_ = rMax;
  p.others_ = others;
  if (!(p.bentBeyond_ < rMax) || !std::isfinite(p.maxCurve_)) return std::nullopt;
  return p;
}

HorizonPlane::Height HorizonPlane::At(const LookAngles& a) const {
  const auto& r = a.position;
  const auto& v = a.velocity;
  Height out;
  out.outward = Dot(r, up_);
  out.height = out.outward - level_;
  out.rate = Dot(v, up_);
  const double r2 = Dot(r, r);
  // Central pull, Coriolis and centrifugal terms along up, the Earth turning about z.
  constexpr double w = kEarthRate;
  out.curve = -kMu * out.outward / (r2 * std::sqrt(r2)) - 2 * w * (v[0] * up_[1] - v[1] * up_[0]) +
              w * w * (r[0] * up_[0] + r[1] * up_[1]);
  return out;
}

double HorizonPlane::ConcaveFor(const Height& f) const {
  const double room = f.outward - bentBeyond_;
  if (!(room > 0)) return 0;
  // r . up cannot fall below its value plus rate * t - maxCurve t^2 / 2.
  return (f.rate + std::sqrt(f.rate * f.rate + 2 * maxCurve_ * room)) / maxCurve_;
}

double HorizonPlane::StaysDown(const Height& f) const {
  if (!(f.height < 0)) return 0;
  const double bent = ConcaveFor(f);
  // Beyond a stretch known to stay down f climbs at most at maxSpeed_.
  const auto thenClimbs = [&](double span, double heightAtEnd) { return span - heightAtEnd / maxSpeed_; };
  // Within the bent stretch f stays under its tangent.
  double sure = f.rate > 0 && -f.height / f.rate <= bent ? -f.height / f.rate
                                                         : thenClimbs(bent, f.height + f.rate * bent);
  // Over part of it r . up stays higher, and f bends down at least at `bend`:
  // under the parabola f + rate t - bend t^2 / 2.
  for (const double share : {0.25, 0.5, 0.75}) {
    const double span = share * bent;
    const double low = std::min(f.outward, f.outward + f.rate * span - 0.5 * maxCurve_ * span * span);
    const double bend = kMu * low / (maxRadius_ * maxRadius_ * maxRadius_) - others_;
    if (!(bend > 0)) continue;
    const double disc = f.rate * f.rate + 2 * bend * f.height;
    const double rise = f.rate > 0 && disc >= 0 ? (f.rate - std::sqrt(disc)) / bend : kInfinity;
    sure = std::max(sure, rise <= span ? rise
                                       : thenClimbs(span, f.height + f.rate * span - 0.5 * bend * span * span));
  }
  return sure;
}

double HorizonPlane::NextCrossing(const Height& f) const {
  // f + rate t + curve t^2 / 2 = 0: the first root ahead.
  const double h = f.height, b = f.rate, c2 = 0.5 * f.curve;
  if (c2 == 0) return b != 0 && -h / b > 0 ? -h / b : kInfinity;
  const double disc = b * b - 4 * c2 * h;
  if (!(disc >= 0)) return kInfinity;
  const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
  double best = kInfinity;
  for (const double t : {q / c2, q != 0 ? h / q : kInfinity}) {
    if (t > 0 && t < best) best = t;
  }
  return best;
}

double HorizonPlane::ToTop(const Height& f) const {
  if (!(f.curve < 0) || !(f.rate > 0)) return 0;
  return -f.rate / f.curve;
}

}  // namespace rdz
