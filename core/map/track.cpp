#include "core/map/track.h"

#include <cmath>
#include <numbers>

#include "core/map/footprint.h"

namespace rdz {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kRad = std::numbers::pi / 180.0;
constexpr int kProbeSeconds = 60;
constexpr double kFallbackPeriod = 100.0 * 60.0;  // a low orbit, if the probe fails

}  // namespace

std::optional<double> OrbitPeriodSeconds(const OrbitModel& model, const EngineContext& station,
                                         const CivilTime& utc) {
  const auto now = model.At(station, utc);
  const auto later = model.At(station, AddSeconds(utc, kProbeSeconds));
  if (!now || !later) return std::nullopt;
  double dm = std::fmod(later->raw.meanAnomaly - now->raw.meanAnomaly, kTwoPi);
  if (dm < 0) dm += kTwoPi;
  // Slower than one turn in ten days or faster than one in 20 minutes is no orbit we draw.
  const double period = dm > 0 ? kProbeSeconds * kTwoPi / dm : 0;
  if (!(period >= 1200.0 && period <= 864000.0)) return kFallbackPeriod;
  return period;
}

std::vector<GeoLine> GroundTrack(const OrbitModel& model, const EngineContext& station,
                                 const CivilTime& utc, int points) {
  const auto period = OrbitPeriodSeconds(model, station, utc);
  if (!period || points < 2) return {};
  const auto span = static_cast<std::int64_t>(std::llround(*period));
  const std::int64_t step = std::max<std::int64_t>(1, 2 * span / points);
  GeoLine line;
  for (std::int64_t s = -span; s <= span; s += step) {
    if (const auto p = model.At(station, AddSeconds(utc, s)))
      line.push_back({p->raw.subLatitude, p->raw.subLongitude});
  }
  return SplitAtDateLine(line);
}

GeoLine NightPolygon(const SubSolarPoint& sun, int steps) {
  // At an equinox the terminator runs through the poles; a hair of
  // declination keeps the formula finite and the picture the same.
  double decl = sun.lat;
  if (std::fabs(decl) < 1e-3) decl = decl < 0 ? -1e-3 : 1e-3;
  const double tanDecl = std::tan(decl * kRad);
  GeoLine out;
  const int n = std::max(steps, 4);
  for (int i = 0; i <= n; ++i) {
    const double lon = -180.0 + 360.0 * i / n;
    const double lat = std::atan(-std::cos((lon - sun.lon) * kRad) / tanDecl) / kRad;
    out.push_back({lat, lon});
  }
  const double pole = decl > 0 ? -90.0 : 90.0;
  out.push_back({pole, 180.0});
  out.push_back({pole, -180.0});
  return out;
}

SubSolarPoint SunOverheadAt(const CivilTime& utc) {
  const EngineContext calendar = SetupEngine(Observer{});
  return SunOverhead(utc.year, TimeNow(calendar, utc.year, utc.month, utc.day, utc.hour,
                                        utc.minute, utc.second));
}

}  // namespace rdz
