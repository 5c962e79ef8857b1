// Where the map's marker goes for a sub-satellite point.
#include "orbit/map_marker.h"

#include <gtest/gtest.h>

namespace rdz {
namespace {

TEST(MapMarker, CentreLiesOnThePointHeldOnTheMapAndNothingWithoutAPoint) {
  EXPECT_EQ(MarkerOnPoint("   0", "   0", 100, 100), (TwipsPoint{3550, 1750}));
  EXPECT_EQ(MarkerOnPoint(" -45", "-180", 100, 100), (TwipsPoint{-50, 2650}));
  EXPECT_EQ(MarkerOnPoint("0", "0", 135, 135), (TwipsPoint{3532, 1732}));  // halves to even
  EXPECT_EQ(MarkerOnPoint("95", "200", 0, 0), (TwipsPoint{7200, 0}));
  EXPECT_EQ(MarkerOnPoint("-1e300", "-1e300", 0, 0), (TwipsPoint{0, 3600}));
  EXPECT_FALSE(MarkerOnPoint("0", "", 135, 135));
  EXPECT_FALSE(MarkerOnPoint("LA", "0", 135, 135));
  EXPECT_FALSE(MarkerOnPoint("1e999", "0", 135, 135));
}

}  // namespace
}  // namespace rdz
