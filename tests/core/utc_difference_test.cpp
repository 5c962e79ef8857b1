// The UTC difference the window starts with and follows until the user types one.
#include <gtest/gtest.h>

#include "platform/utc_difference.h"

namespace rdz {
namespace {

TEST(UtcDifference, HoursAsTheBoxShowsThem) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0"},          {3600, "1"},        {7200, "2"},         {19800, "5.5"},
      {20700, "5.75"},   {-12600, "-3.5"},   {-1800, "-0.5"},     {-36000, "-10"},
      {46800, "13"},     {1, "0"},           {-1, "0"},           {-34200, "-9.5"},
  };
  for (const auto& [seconds, text] : cases) EXPECT_EQ(HoursText(seconds), text) << seconds;
}

TEST(UtcDifference, FollowsTheZoneUntilTheUserTypes) {
  UtcDifferenceDefault d;
  EXPECT_EQ(d.Follow(std::nullopt), std::nullopt);  // a clock that cannot tell
  EXPECT_EQ(d.Follow(3600), "1");
  EXPECT_EQ(d.Follow(3600), std::nullopt);  // unchanged: the box is left alone
  EXPECT_EQ(d.Follow(7200), "2");           // daylight saving begins
  d.UserTyped();
  EXPECT_EQ(d.Follow(3600), std::nullopt);
}

}  // namespace
}  // namespace rdz
