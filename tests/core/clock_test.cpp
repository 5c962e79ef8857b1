#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace rdz {
namespace {

TEST(UtcDifference, HoursBecomeWholeSeconds) {
  EXPECT_EQ(UtcDifferenceSeconds(1), 3600);
  EXPECT_EQ(UtcDifferenceSeconds(-5), -18000);
  EXPECT_EQ(UtcDifferenceSeconds(0.5), 1800);
  EXPECT_EQ(UtcDifferenceSeconds(5.75), 20700);
  EXPECT_EQ(UtcDifferenceSeconds(1.0 / 3.0), 1200);
  EXPECT_EQ(UtcDifferenceSeconds(1e6), 3600000000LL);
}

TEST(UtcDifference, UnusableValuesGiveNothing) {
  EXPECT_FALSE(UtcDifferenceSeconds(std::nan("")));
  EXPECT_FALSE(UtcDifferenceSeconds(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(UtcDifferenceSeconds(-std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(UtcDifferenceSeconds(1e6 + 1));
  EXPECT_FALSE(UtcDifferenceSeconds(-1e300));
}

}  // namespace
}  // namespace rdz
