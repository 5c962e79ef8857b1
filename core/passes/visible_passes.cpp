#include "core/passes/visible_passes.h"

#include <cmath>

#include "core/orbit/body_look.h"

namespace rdz {

namespace {

constexpr double kRad = 3.14159265358979323846 / 180.0;

}  // namespace

bool Sunlit(const EngineContext& station, const LookAngles& look, double unixSeconds) {
  const double el = look.elevation * kRad, az = look.azimuth * kRad;
  const double e = look.range * std::cos(el) * std::sin(az);
  const double n = look.range * std::cos(el) * std::cos(az);
  const double u = look.range * std::sin(el);
  std::array<double, 3> sat{};
  for (int i = 0; i < 3; ++i) {
    sat[i] = station.StationPosition[i] + e * station.East[i] + n * station.North[i] + u * station.Up[i];
  }
  const std::array<double, 3> sun = EarthFixedPosition(SunPosition(unixSeconds), unixSeconds);
  const double sunDistance = std::sqrt(sun[0] * sun[0] + sun[1] * sun[1] + sun[2] * sun[2]);
  double along = 0, r2 = 0;
  for (int i = 0; i < 3; ++i) {
    along += sat[i] * sun[i] / sunDistance;
    r2 += sat[i] * sat[i];
  }
  // On the Sun's side, or farther from the shadow's axis than the Earth's radius.
  return along > 0 || r2 - along * along > model::EarthRadius * model::EarthRadius;
}

bool PassVisible(const Pass& pass, const OrbitModel& model, const EngineContext& station) {
  for (std::int64_t t = pass.aos.time;; t += kVisibleStepSeconds) {
    if (t > pass.los.time) t = pass.los.time;
    const double seconds = static_cast<double>(t);
    if (BodyLook(SkyBody::Sun, station, seconds).elevation < kDuskSunElevation) {
      const auto look = model.Look(station, CivilFromUnix(t));
      if (look && Sunlit(station, *look, seconds)) return true;
    }
    if (t == pass.los.time) return false;
  }
}

std::vector<PassRow> VisibleOnly(const std::vector<PassRow>& rows, const PassCandidates& satellites,
                                 const Observer& station) {
  const EngineContext engine = SetupEngine(station);
  std::vector<PassRow> visible;
  for (const PassRow& row : rows) {
    const std::size_t index = static_cast<std::size_t>(row.number - 1);
    if (row.number < 1 || index >= satellites.models.size() || !satellites.models[index]) continue;
    if (PassVisible(row.pass, *satellites.models[index], engine)) visible.push_back(row);
  }
  return visible;
}

}  // namespace rdz
