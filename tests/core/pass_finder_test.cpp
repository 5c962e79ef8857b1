// The pass finder on made-up satellites, and the horizon it is given (the
// mask against real sets: catalog_passes_test).
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/temp_dir.h"
#include "core/passes/table_passes.h"

namespace rdz {
namespace {

// A made-up satellite: elevation as a function of time, failing where asked.
SatelliteTrack Made(std::function<double(std::int64_t)> elevation,
                    std::function<bool(std::int64_t)> fails = {}) {
  SatelliteTrack track;
  track.look = [=](std::int64_t t) -> std::optional<LookAngles> {
    if (fails && fails(t)) return std::nullopt;
    return LookAngles{180, elevation(t), 2000};
  };
  return track;
}

TEST(PassFinder, ReportsSatellitesThatNeverRiseNeverSetOrCannotBeComputed) {
  const auto wave = [](std::int64_t t) { return 30 * std::sin(t * 2 * 3.14159265 / 5400) - 10; };
  const struct {
    SatelliteTrack track;
    Visibility visibility;
    std::size_t passes;
    bool failures;
  } cases[] = {
      {Made([](std::int64_t) { return -5.0; }), Visibility::NeverRises, 0, false},
      {Made([](std::int64_t) { return 30.0; }), Visibility::NeverSets, 0, false},
      {Made([](std::int64_t) { return 30.0; }, [](std::int64_t) { return true; }),
       Visibility::Failed, 0, true},
      // 16 passes in the day; the instants of the second cannot be computed.
      {Made(wave, [](std::int64_t t) { return t >= 5400 && t < 10800; }), Visibility::Passes, 15,
       true},
      {Made(wave), Visibility::Passes, 16, false},
  };
  for (const auto& c : cases) {
    const PassSearch s = FindPasses(c.track, {.seconds = 86400});
    EXPECT_EQ(std::tuple(s.visibility, s.passes.size(), s.failedPropagations > 0),
              std::tuple(c.visibility, c.passes, c.failures));
    for (const Pass& p : s.passes) {
      EXPECT_TRUE(!c.failures || p.los.time < 5400 || p.aos.time >= 10800) << p.aos.time;
      EXPECT_NEAR(p.tca.elevation, 20, 0.01);
    }
  }
}

TEST(HorizonMask, InterpolatesInAzimuthAcrossNorthWhateverTheOrder) {
  const HorizonMask mask({{270, 10}, {0, 5}, {180, 2}, {90, 15}});
  const std::pair<double, double> cases[] = {{0, 5},    {45, 10},  {90, 15},  {135, 8.5},
                                             {315, 7.5}, {360, 5}, {-45, 7.5}, {1125, 10}};
  for (const auto& [azimuth, elevation] : cases) EXPECT_DOUBLE_EQ(mask.At(azimuth), elevation) << azimuth;
  EXPECT_EQ(std::pair(mask.Lowest(), mask.Highest()), std::pair(2.0, 15.0));
  EXPECT_EQ(std::pair(HorizonMask({{100, 4}}).At(300), HorizonMask(3.5).At(12)), std::pair(4.0, 3.5));
}

}  // namespace
}  // namespace rdz
