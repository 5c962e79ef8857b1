// Following a transponder without a radio or a clock: when the radio follows
// a satellite, when a VFO is set again, the operator's dial, LOS and another
// transponder.
#include <gtest/gtest.h>

#include <tuple>

#include "orbit/engine.h"
#include "radio/doppler_follower.h"
#include "radio/rig_sky.h"

namespace rdz {
namespace {

// A mode B linear transponder that inverts: 435.05 MHz down is 145.85 up.
const Transponder kLinear{"linear", 435.0e6, 435.1e6, 145.8e6, 145.9e6, "USB", true};
const Transponder kFm{"fm", 145.96e6, 145.96e6, 435.5e6, 435.5e6, "FM", false};
constexpr double kApproaching = -6.0;  // km/s

TEST(DopplerFollower, SetsAVfoOnlyWhenItDriftedPastTheModesThreshold) {
  // Range rate steps (km/s): 0.01 is 14.5 Hz at 435 MHz; 0.3 is 436 Hz there, 146 Hz at 146 MHz.
  for (const auto& [transponder, step, set] : {std::tuple{&kLinear, 0.01, false}, {&kLinear, 0.02, true},
                                              {&kFm, 0.2, false}, {&kFm, 0.3, true}}) {
    DopplerFollower f{RigSettings{}};
    const RigTargets first = f.Step(transponder, true, kApproaching, std::nullopt);
    const RigTargets next = f.Step(transponder, true, kApproaching + step, first.downlink);
    EXPECT_EQ(next.downlink.has_value() || next.uplink.has_value(), set) << transponder->mode;
  }
  // The drift adds up from the value sent, not from the previous step.
  DopplerFollower f{RigSettings{}};
  const RigTargets first = f.Step(&kLinear, true, 0, std::nullopt);
  EXPECT_FALSE(f.Step(&kLinear, true, 0.01, first.downlink).downlink);
  EXPECT_TRUE(f.Step(&kLinear, true, 0.02, first.downlink).downlink);
}

TEST(DopplerFollower, DialTurnedByTheOperatorMovesTheSatelliteSideAndTheUplink) {
  const Transponder upright{"linear", 435.0e6, 435.1e6, 145.8e6, 145.9e6, "USB", false};
  for (const Transponder* t : {&kLinear, &upright}) {
    DopplerFollower f{RigSettings{}};
    const RigTargets first = f.Step(t, true, kApproaching, std::nullopt);
    // 10 kHz up on the dial; within the threshold it would not be the operator.
    EXPECT_FALSE(f.Step(t, true, kApproaching, *first.downlink + 15).uplink);
    const RigTargets next = f.Step(t, true, kApproaching, *first.downlink + 10000);
    EXPECT_FALSE(next.downlink) << "the dial stays where the operator put it";
    ASSERT_TRUE(next.uplink);
    const double satelliteShift = *f.SatelliteDownlink() - 435.05e6;
    EXPECT_NEAR(satelliteShift, 10000 / (1 + 6 / 299792.458), 0.5);
    EXPECT_NEAR(*next.uplink - *first.uplink, (t->invert ? -1 : 1) * satelliteShift * (1 - 6 / 299792.458), 0.5);
  }
}

TEST(DopplerFollower, LeavesTheRadioAloneAtLosAndStartsAfreshAtTheMiddle) {
  DopplerFollower f{RigSettings{}};
  const RigTargets first = f.Step(&kLinear, true, kApproaching, std::nullopt);
  f.Step(&kLinear, true, kApproaching, *first.downlink + 5000);
  ASSERT_NE(f.SatelliteDownlink(), 435.05e6);
  const RigTargets los = f.Step(&kLinear, false, 6, *first.downlink);
  EXPECT_FALSE(los.downlink || los.uplink || f.Step(nullptr, true, 6, std::nullopt).downlink);
  // The next pass, and another transponder picked: both begin at the nominal middle.
  f.Step(&kLinear, true, kApproaching, std::nullopt);
  EXPECT_EQ(f.SatelliteDownlink(), 435.05e6);
  const RigTargets other = f.Step(&kFm, true, kApproaching, *first.downlink + 5000);
  ASSERT_TRUE(other.downlink && other.uplink);
  EXPECT_EQ(f.SatelliteDownlink(), 145.96e6);
}

TEST(DopplerFollower, UplinkOnlyWhereTheRadioHasAVfoForIt) {
  DopplerFollower same{{RigVfo::A, RigVfo::A, 20, 350}};
  EXPECT_FALSE(same.Step(&kLinear, true, kApproaching, std::nullopt).uplink);
  const Transponder beacon{"beacon", 145.9e6, 145.9e6, std::nullopt, std::nullopt, "CW", false};
  DopplerFollower f{RigSettings{}};
  EXPECT_FALSE(f.Step(&beacon, true, kApproaching, std::nullopt).uplink);
}

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
  EXPECT_TRUE(!at(aos - 125).follow && at(aos - 115).follow && at(los - 1).follow && !at(los + 1).follow);
  EXPECT_LT(at(aos).rangeRate, -3);  // approaching at AOS
  EXPECT_GT(at(los - 1).rangeRate, 3);
}

}  // namespace
}  // namespace rdz
