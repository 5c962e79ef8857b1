#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/elements/mean_elements.h"
#include "core/orbit/sgp4_frames.h"
#include "core/orbit/sgp4_satellite.h"
#include "core/sgp4/sgp4.h"

namespace {

using namespace rdz::sgp4;
constexpr double kRad = std::numbers::pi / 180.0;

TEST(Sgp4Frames, GeodeticPointsOnWgs84) {
  const double a = 6378.137, f = 1 / 298.257223563, e2 = f * (2 - f);
  const struct {
    double lat, lon, h;
  } kPoints[] = {{0, 0, 0}, {45, 10, 1}, {-33.9, -151.2, 420}, {89.999, 120, 500},
                 {-90, 0, 800}, {0.5, 179.9, 35786}};
  for (const auto& p : kPoints) {
    const double s = std::sin(p.lat * kRad), c = std::cos(p.lat * kRad);
    const double n = a / std::sqrt(1 - e2 * s * s);
    const Vec3 r = {(n + p.h) * c * std::cos(p.lon * kRad), (n + p.h) * c * std::sin(p.lon * kRad),
                    (n * (1 - e2) + p.h) * s};
    const auto g = ToGeodetic(r);
    EXPECT_NEAR(g.latitude, p.lat, 1e-8) << p.lat;
    EXPECT_NEAR(std::fabs(p.lat) < 90 ? g.longitude : p.lon, p.lon, 1e-8) << p.lon;  // none at a pole
    EXPECT_NEAR(g.height, p.h, 1e-6) << p.h;
  }
}

TEST(Sgp4Frames, LookAnglesAndRangeRateFromTheStation) {
  const auto station = rdz::SetupEngine(rdz::Observer{0.0, 0.0, 0.0});
  const double r0 = station.StationPosition[0];
  const struct {
    Vec3 position, velocity;
    double az, el, range, rate;
  } kCases[] = {
      {{r0 + 500, 0, 0}, {1, 0, 0}, -1, 90, 500, 1},         // overhead, climbing
      {{r0, 1000, 0}, {0, -2, 0}, 90, 0, 1000, -2},          // east, coming closer
      {{r0, 0, -1000}, {0, 3, 0}, 180, 0, 1000, 0},          // south, crossing
      {{r0 + 1000, -1000, 1000}, {0, 0, 0}, 315, 35.26439, std::sqrt(3.0) * 1000, 0},
  };
  for (const auto& c : kCases) {
    const auto look = LookFrom(station, EarthFixed{c.position, c.velocity});
    EXPECT_NEAR(c.az >= 0 ? look.azimuth : c.az, c.az, 1e-9);  // none overhead
    EXPECT_NEAR(look.elevation, c.el, 1e-5);
    EXPECT_NEAR(look.range, c.range, 1e-9);
    EXPECT_NEAR(look.rangeRate, c.rate, 1e-12);
  }
}

rdz::MeanElementSet Geostationary(double longitude) {
  rdz::MeanElementSet set;
  rdz::SetEpochFromDayOfYear(set, 2026, 100.25);
  set.MeanMotion = 1.00273791;
  set.EpochRev = 4000;
  const double gmst = GreenwichSiderealTime(set.EpochDays1950 + 2433281.5) / kRad;
  set.MeanAnomaly = std::fmod(gmst + longitude + 360.0, 360.0);
  return set;
}

TEST(Sgp4Frames, GeostationarySatelliteStaysOverItsLongitude) {
  const rdz::sgp4::Satellite sat(Geostationary(-60));
  ASSERT_EQ(sat.error(), Error::None);
  EXPECT_TRUE(sat.model().deepSpace());
  const auto station = rdz::SetupEngine(rdz::Observer{0.0, -60.0, 0.0});
  for (const int hour : {0, 7, 13, 23}) {
    const auto at = sat.At(station, rdz::CivilTime{2026, 4, 10, 6 + hour / 4, hour % 4 * 15, 0});
    ASSERT_EQ(at.error, Error::None);
    EXPECT_NEAR(at.subPoint.longitude, -60, 0.2) << hour;
    EXPECT_NEAR(at.subPoint.latitude, 0, 0.05);
    EXPECT_NEAR(at.subPoint.height, 35786, 30);
    EXPECT_GT(at.look.elevation, 89.5);
    EXPECT_NEAR(at.look.rangeRate, 0, 0.01);
  }
}

TEST(Sgp4Propagator, UnusableSetsFailAtSetup) {
  const struct {
    double n, e;
    Error error;
  } kCases[] = {{0, 0.1, Error::MeanMotion},   {-0.05, 0.1, Error::MeanMotion},
                {0.06, 1.0, Error::Eccentricity}, {0.06, -0.01, Error::Eccentricity},
                {0.06, 0.0, Error::None},         {0.06, 0.999, Error::SemiLatusRectum}};
  for (const auto& c : kCases) {
    const Propagator model(Elements{.epochDays1950 = 27000, .meanMotion = c.n, .eccentricity = c.e, .inclination = 1});
    EXPECT_EQ(model.error(), c.error) << c.n << " " << c.e;
    EXPECT_EQ(model.At(10).error, c.error);
  }
}

// Whole revolutions rise by one exactly where the mean anomaly passes perigee.
TEST(Sgp4Propagator, RevolutionsCountPerigeePassages) {
  const struct {
    double n, e, i, t1, step;
  } kCases[] = {{15.5, 0.0005, 51.6, 1440, 0.5},   // low orbit
                {2.0056, 0.70, 63.4, 4320, 5},     // half-day resonant
                {1.0027, 0.0002, 0.05, 14400, 20}}; // geostationary
  for (const auto& c : kCases) {
    const Propagator model(Elements{.epochDays1950 = 27800.5, .meanMotion = c.n * 2 * std::numbers::pi / 1440,
                                    .eccentricity = c.e, .inclination = c.i * kRad, .argPerigee = 4,
                                    .meanAnomaly = 3, .bstar = 1e-5});
    ASSERT_EQ(model.error(), Error::None);
    auto last = model.At(0);
    EXPECT_EQ(last.revolutions, 0);
    for (double t = c.step; t <= c.t1; t += c.step) {
      const auto s = model.At(t);
      ASSERT_EQ(s.error, Error::None);
      const double passed = s.meanAnomaly < last.meanAnomaly - 3 ? 1 : 0;
      ASSERT_EQ(s.revolutions, last.revolutions + passed) << c.n << " t=" << t;
      last = s;
    }
    EXPECT_NEAR(last.revolutions, c.n * c.t1 / 1440, 1.01);
  }
}

}  // namespace
