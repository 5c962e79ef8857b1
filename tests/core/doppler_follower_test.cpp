// Following a transponder without a radio or a clock: when the radio follows
// a satellite, when a VFO is set again, the operator's dial, LOS and another
// transponder.
#include <gtest/gtest.h>

#include <tuple>

#include "core/orbit/engine.h"
#include "core/radio/doppler_follower.h"
#include "core/radio/offset_file.h"
#include "core/radio/rig_modes.h"
#include "core/radio/rig_sky.h"

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

TEST(DopplerFollower, OffsetKeptAtLosStartsTheNextPassAndAMoveSendsBothLinks) {
  DopplerFollower f{RigSettings{}};
  const RigTargets first = f.Step(&kLinear, true, kApproaching, std::nullopt, 700);
  EXPECT_EQ(f.Offset(), 700);
  f.Step(&kLinear, true, kApproaching, *first.downlink - 1700);  // the operator, 1.7 kHz down
  f.MoveTo(*f.SatelliteDownlink() + 100);
  const RigTargets moved = f.Step(&kLinear, true, kApproaching, std::nullopt);
  EXPECT_TRUE(moved.downlink && moved.uplink);
  const double offset = *f.Offset();
  EXPECT_NEAR(offset, 700 - 1700 * (1 + 6 / 299792.458) + 100, 0.5);
  f.Step(&kFm, true, kApproaching, std::nullopt);  // another transponder: not LOS
  EXPECT_FALSE(f.TakeEnded());
  f.Step(&kLinear, true, kApproaching, std::nullopt, offset);
  f.Step(&kLinear, false, 6, std::nullopt);
  const auto ended = f.TakeEnded();
  ASSERT_TRUE(ended && ended->transponder == kLinear);
  EXPECT_DOUBLE_EQ(ended->offset, offset);
  EXPECT_FALSE(f.TakeEnded());
}

TEST(DopplerFollower, UplinkOnlyWhereTheRadioHasAVfoForIt) {
  DopplerFollower same{{RigVfo::A, RigVfo::A, 20, 350}};
  EXPECT_FALSE(same.Step(&kLinear, true, kApproaching, std::nullopt).uplink);
  const Transponder beacon{"beacon", 145.9e6, 145.9e6, std::nullopt, std::nullopt, "CW", false};
  DopplerFollower f{RigSettings{}};
  EXPECT_FALSE(f.Step(&beacon, true, kApproaching, std::nullopt).uplink);
}

TEST(RigModes, UplinkModeFromUpmodeElseTheOppositeSidebandOfAnInvertingTransponder) {
  const auto modes = [](const char* mode, bool invert, const char* up = "", double tone = 0) {
    return ModesFor(Transponder{"", 435e6, 435e6, 145e6, 145e6, mode, invert, up, tone});
  };
  EXPECT_EQ(modes("usb", true), (RigModes{"USB", "LSB", 0}));
  EXPECT_EQ(modes("LSB", true), (RigModes{"LSB", "USB", 0}));
  EXPECT_EQ(modes("CW", true), (RigModes{"CW", "CWR", 0}));
  EXPECT_EQ(modes("USB", false), (RigModes{"USB", "USB", 0}));
  EXPECT_EQ(modes("FM", true, "", 67.05), (RigModes{"FM", "FM", 670}));  // halves to even
  EXPECT_EQ(modes("USB", true, " fm ", 88.5), (RigModes{"USB", "FM", 885}));
  EXPECT_EQ(ModesFor(Transponder{"", 145.8e6, 145.8e6, {}, {}, "CW", true, "", 67}), (RigModes{"CW", "", 0}));
  EXPECT_EQ(ToneText(670), "67.0");
}

TEST(TransponderOffsets, ReadWrittenAndKeptPerSatelliteAndTransponder) {
  const Transponder fo29{"", 435.8e6, 435.9e6, 145.9e6, 146.0e6, "USB", true};
  const Transponder upOnly{"", {}, {}, 145.9e6, 145.9e6, "FM", false};
  TransponderOffsets offsets = TransponderOffsets::Read(
      "24278 435850000 -1200\r\nAO 7 145950000 300\nbroken line\n1 2 x\n9 0 5\n9 435850000 2000000\n");
  EXPECT_EQ(offsets.Find("24278", fo29), -1200);
  EXPECT_EQ(offsets.Text(), "24278 435850000 -1200\r\nAO 7 145950000 300\r\n");
  EXPECT_EQ(TransponderOffsets::Read(offsets.Text()), offsets);
  offsets.Remember("AO 7", upOnly, 99.6);
  EXPECT_EQ(offsets.Find("AO 7", upOnly), 100);
  offsets.Forget("24278", fo29);
  EXPECT_FALSE(offsets.Find("24278", fo29));
  EXPECT_EQ(TransponderOffsets::Satellite(0, "AO 7") + TransponderOffsets::Satellite(24278, "FO-29"), "AO 724278");
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
