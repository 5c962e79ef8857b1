// When the radio follows a satellite: up, or rising within two minutes.
#include <gtest/gtest.h>

#include "orbit/engine.h"
#include "radio/rig_sky.h"

namespace rdz {
namespace {

TEST(RigSky, FollowsFromTwoMinutesBeforeAosUntilLos) {
  // An ISS set of the sample file, seen from Lugano.
  const KeplerModel iss({.Name = "", .EpochYear = 2026, .EpochDay = 131.16675675, .Inclination = 51.6310,
                         .Raan = 123.3566, .Eccentricity = 0.0007470, .ArgPerigee = 46.3627,
                         .MeanAnomaly = 313.7980, .MeanMotion = 15.49181925, .DecayRate = 5.444e-05,
                         .EpochRev = 56601});
  const EngineContext lugano = SetupEngine({46.5, 8.95, 273});
  const CivilTime start{2026, 5, 11, 0, 0, 0};
  const auto up = [&](int s) { return iss.At(lugano, AddSeconds(start, s))->raw.elevation > 0; };
  int aos = 1;
  while (up(aos - 1) || !up(aos)) ++aos;
  int los = aos;
  while (up(los)) ++los;
  const auto at = [&](int s) { return RigSkyAt(lugano, iss, AddSeconds(start, s)); };
  EXPECT_FALSE(at(aos - 125).follow);
  EXPECT_TRUE(at(aos - 115).follow);
  EXPECT_LT(at(aos).rangeRate, -3);  // approaching at AOS
  EXPECT_TRUE(at(los - 1).follow);
  EXPECT_GT(at(los - 1).rangeRate, 3);
  EXPECT_FALSE(at(los + 1).follow);
}

}  // namespace
}  // namespace rdz
