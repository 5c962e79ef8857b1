#include "core/orbit/horizon_mask.h"

#include <algorithm>
#include <cmath>

namespace rdz {

namespace {

double Wrapped(double azimuth) {
  const double a = std::fmod(azimuth, 360.0);
  return a < 0 ? a + 360.0 : a;
}

}  // namespace

HorizonMask::HorizonMask(double elevation)
    : points_{{0, elevation}}, lowest_(elevation), highest_(elevation) {}

HorizonMask::HorizonMask(std::vector<MaskPoint> points) : points_(std::move(points)) {
  if (points_.empty()) points_.push_back({0, 0});
  for (MaskPoint& p : points_) p.azimuth = Wrapped(p.azimuth);
  std::stable_sort(points_.begin(), points_.end(),
                   [](const MaskPoint& a, const MaskPoint& b) { return a.azimuth < b.azimuth; });
  const auto [lo, hi] = std::minmax_element(
      points_.begin(), points_.end(),
      [](const MaskPoint& a, const MaskPoint& b) { return a.elevation < b.elevation; });
  lowest_ = lo->elevation;
  highest_ = hi->elevation;
}

double HorizonMask::At(double azimuth) const {
  if (Flat()) return points_.front().elevation;
  const double az = Wrapped(azimuth);
  // First point at or past the azimuth; before the first or past the last the
  // segment runs across north from the last point to the first.
  const auto next = std::lower_bound(
      points_.begin(), points_.end(), az,
      [](const MaskPoint& p, double value) { return p.azimuth < value; });
  const MaskPoint& b = next == points_.end() ? points_.front() : *next;
  const MaskPoint& a = next == points_.begin() ? points_.back() : *(next - 1);
  double span = b.azimuth - a.azimuth;
  double along = az - a.azimuth;
  if (span <= 0) span += 360.0;
  if (along < 0) along += 360.0;
  if (span <= 0 || span > 360.0) return a.elevation;
  return a.elevation + (b.elevation - a.elevation) * along / span;
}

bool operator==(const HorizonMask& x, const HorizonMask& y) {
  return x.points_.size() == y.points_.size() &&
         std::equal(x.points_.begin(), x.points_.end(), y.points_.begin(),
                    [](const MaskPoint& a, const MaskPoint& b) {
                      return a.azimuth == b.azimuth && a.elevation == b.elevation;
                    });
}

HorizonMask AtLeast(const HorizonMask& mask, double floor) {
  const std::vector<MaskPoint>& p = mask.Points();
  if (mask.Flat()) return HorizonMask(std::max(p.front().elevation, floor));
  std::vector<MaskPoint> raised;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const MaskPoint& a = p[i];
    const MaskPoint& b = p[(i + 1) % p.size()];
    raised.push_back({a.azimuth, std::max(a.elevation, floor)});
    if ((a.elevation - floor) * (b.elevation - floor) < 0) {
      const double span = b.azimuth > a.azimuth ? b.azimuth - a.azimuth : b.azimuth - a.azimuth + 360.0;
      raised.push_back({a.azimuth + span * (floor - a.elevation) / (b.elevation - a.elevation), floor});
    }
  }
  return HorizonMask(std::move(raised));
}

}  // namespace rdz
