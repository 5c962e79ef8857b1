// Following a transponder through a pass without a radio or a clock: where it
// starts, when a VFO is set again, the operator's dial, LOS.
#include <gtest/gtest.h>

#include "radio/doppler_follower.h"

namespace rdz {
namespace {

// A mode B linear transponder that inverts: 435.05 MHz down is 145.85 up.
const Transponder kLinear{"linear", 435.0e6, 435.1e6, 145.8e6, 145.9e6, "USB", true};
const Transponder kFm{"fm", 145.96e6, 145.96e6, 435.5e6, 435.5e6, "FM", false};
constexpr double kApproaching = -6.0;  // km/s

TEST(DopplerFollower, StartsFromThePassbandMiddleCorrectedForTheApproach) {
  DopplerFollower f{RigSettings{}};
  const RigTargets t = f.Step(&kLinear, true, kApproaching, std::nullopt);
  // 6 km/s of 299792.458: +8707.0 Hz on 435.05 MHz, the uplink 2919.0 Hz lower.
  ASSERT_TRUE(t.downlink && t.uplink);
  EXPECT_NEAR(*t.downlink, 435.05e6 + 8707.0, 0.5);
  EXPECT_NEAR(*t.uplink, 145.85e6 - 2919.0, 0.5);
  EXPECT_EQ(f.SatelliteDownlink(), 435.05e6);
}

TEST(DopplerFollower, SetsAVfoOnlyWhenItDriftedPastTheModesThreshold) {
  struct Case {
    const Transponder* transponder;
    double rangeRateStep;  // km/s per step
    bool expectSet;
  };
  // 0.01 km/s is 14.5 Hz at 435 MHz; 0.3 km/s is 436 Hz there, 146 Hz at 146 MHz.
  const Case cases[] = {{&kLinear, 0.01, false}, {&kLinear, 0.02, true},
                        {&kFm, 0.2, false}, {&kFm, 0.3, true}};
  for (const Case& c : cases) {
    DopplerFollower f{RigSettings{}};
    const RigTargets first = f.Step(c.transponder, true, kApproaching, std::nullopt);
    const RigTargets next = f.Step(c.transponder, true, kApproaching + c.rangeRateStep, first.downlink);
    EXPECT_EQ(next.downlink.has_value() || next.uplink.has_value(), c.expectSet) << c.transponder->mode;
  }
  // The drift adds up from the value sent, not from the previous step.
  DopplerFollower f{RigSettings{}};
  const RigTargets first = f.Step(&kLinear, true, 0, std::nullopt);
  EXPECT_FALSE(f.Step(&kLinear, true, 0.01, first.downlink).downlink);
  EXPECT_TRUE(f.Step(&kLinear, true, 0.02, first.downlink).downlink);
}

TEST(DopplerFollower, DialTurnedByTheOperatorMovesTheSatelliteSideAndTheUplink) {
  const Transponder upright = [] {
    Transponder t = kLinear;
    t.invert = false;
    return t;
  }();
  for (const Transponder* t : {&kLinear, &upright}) {
    DopplerFollower f{RigSettings{}};
    const RigTargets first = f.Step(t, true, kApproaching, std::nullopt);
    // 10 kHz up on the dial; the satellite has not moved.
    const double dial = *first.downlink + 10000;
    const RigTargets next = f.Step(t, true, kApproaching, dial);
    EXPECT_FALSE(next.downlink) << "the dial stays where the operator put it";
    ASSERT_TRUE(next.uplink);
    const double satelliteShift = *f.SatelliteDownlink() - 435.05e6;
    EXPECT_NEAR(satelliteShift, 10000 / (1 + 6 / 299792.458), 0.5);
    const double upShift = *next.uplink - *first.uplink;
    EXPECT_NEAR(upShift, (t->invert ? -1 : 1) * satelliteShift * (1 - 6 / 299792.458), 0.5) << t->description;
    // From there on the correction continues from the new point.
    const RigTargets later = f.Step(t, true, kApproaching + 1, dial);
    ASSERT_TRUE(later.downlink);
    EXPECT_NEAR(*later.downlink, *f.SatelliteDownlink() * (1 - (kApproaching + 1) / 299792.458), 0.01);
  }
  // Within the threshold it is not the operator.
  DopplerFollower f{RigSettings{}};
  const RigTargets first = f.Step(&kLinear, true, kApproaching, std::nullopt);
  f.Step(&kLinear, true, kApproaching, *first.downlink + 15);
  EXPECT_EQ(f.SatelliteDownlink(), 435.05e6);
}

TEST(DopplerFollower, LeavesTheRadioAloneAtLosAndStartsTheNextPassAfresh) {
  DopplerFollower f{RigSettings{}};
  const RigTargets first = f.Step(&kLinear, true, kApproaching, std::nullopt);
  f.Step(&kLinear, true, kApproaching, *first.downlink + 5000);
  ASSERT_NE(f.SatelliteDownlink(), 435.05e6);
  const RigTargets los = f.Step(&kLinear, false, 6, *first.downlink);
  EXPECT_FALSE(los.downlink || los.uplink);
  EXPECT_FALSE(f.Step(nullptr, true, 6, std::nullopt).downlink);
  // Next pass, and another transponder picked: both begin at the nominal middle.
  f.Step(&kLinear, true, kApproaching, std::nullopt);
  EXPECT_EQ(f.SatelliteDownlink(), 435.05e6);
  const RigTargets other = f.Step(&kFm, true, kApproaching, *first.downlink + 5000);
  ASSERT_TRUE(other.downlink && other.uplink);
  EXPECT_EQ(f.SatelliteDownlink(), 145.96e6);
  EXPECT_GT(*other.downlink, 145.96e6);
  EXPECT_LT(*other.uplink, 435.5e6);
}

TEST(DopplerFollower, UplinkOnlyWhereTheRadioHasAVfoForIt) {
  RigSettings same;
  same.transmit = same.receive;
  DopplerFollower f{same};
  const RigTargets t = f.Step(&kLinear, true, kApproaching, std::nullopt);
  EXPECT_TRUE(t.downlink);
  EXPECT_FALSE(t.uplink);
  const Transponder beacon{"beacon", 145.9e6, 145.9e6, std::nullopt, std::nullopt, "CW", false};
  DopplerFollower g{RigSettings{}};
  EXPECT_FALSE(g.Step(&beacon, true, kApproaching, std::nullopt).uplink);
  EXPECT_EQ(UplinkPathOf({RigVfo::Main, RigVfo::Sub, 20, 350}), UplinkPath::Named);
  EXPECT_EQ(UplinkPathOf({RigVfo::Current, RigVfo::B, 20, 350}), UplinkPath::Split);
}

}  // namespace
}  // namespace rdz
