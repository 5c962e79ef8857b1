// The UTC difference as the box shows it when taken from the system's zone.
#include <gtest/gtest.h>

#include "platform/utc_difference.h"

namespace rdz {
namespace {

TEST(UtcDifference, HoursAsTheBoxShowsThem) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0"},       {3600, "1"},      {19800, "5.5"}, {20700, "5.75"}, {-12600, "-3.5"},
      {-1800, "-0.5"}, {-36000, "-10"}, {46800, "13"},  {-1, "0"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(HoursText(seconds), text) << seconds;
}

}  // namespace
}  // namespace rdz
