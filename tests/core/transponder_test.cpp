#include <gtest/gtest.h>

#include "radio/doppler.h"
#include "radio/transponder.h"

namespace rdz {
namespace {

TEST(Doppler, ApproachingRaisesTheDownlinkAndLowersTheUplink) {
  // 7 km/s towards the station on 435 MHz: about 10.16 kHz.
  EXPECT_NEAR(DownlinkToTune(435e6, -7.0) - 435e6, 10157.0, 1.0);
  EXPECT_NEAR(UplinkToSend(145.9e6, -7.0) - 145.9e6, -3406.6, 1.0);
  EXPECT_NEAR(DownlinkAtSatellite(DownlinkToTune(435e6, 6.5), 6.5), 435e6, 1e-6);
}

TEST(Transponder, UplinkFollowsTheDownlinkInOrAgainstThePassband) {
  Transponder linear{"", 145.95e6, 145.99e6, 432.15e6, 432.19e6, "USB", false};
  EXPECT_DOUBLE_EQ(*UplinkFor(linear, 145.96e6), 432.16e6);
  linear.invert = true;
  EXPECT_DOUBLE_EQ(*UplinkFor(linear, 145.96e6), 432.18e6);
  EXPECT_DOUBLE_EQ(*UplinkFor(linear, 145.96e6) + 145.96e6, *UplinkFor(linear, 145.98e6) + 145.98e6);

  const Transponder beacon{"", 145.8e6, 145.8e6, {}, {}, "FM", false};
  EXPECT_FALSE(UplinkFor(beacon, 145.8e6));
  const Transponder uplinkOnly{"", {}, {}, 437.1e6, {}, "", false};
  EXPECT_DOUBLE_EQ(*UplinkFor(uplinkOnly, 145.8e6), 437.1e6);
}

}  // namespace
}  // namespace rdz
