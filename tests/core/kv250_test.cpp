// The KV250 command word, its 49 port writes and the kv250 command.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

#include "programs/cli/cli.h"
#include "core/rotor/kv250.h"

namespace rdz {
namespace {

int AzCode(double az) { return Kv250Word(az, 0.0) & 0xFF; }
int ElCode(double el) { return Kv250Word(0.0, el) >> 8; }

TEST(Kv250, CodesFromSouthForAzimuthAndFromTheHorizonForElevation) {
  const std::vector<std::pair<double, int>> az = {{0, 127}, {1, 128}, {90, 191}, {179, 254},
      {180, 0}, {181, 1}, {300, 85}, {359, 127}, {360, 127}, {192, 8}, {-190, 248}};
  for (const auto& [deg, code] : az) EXPECT_EQ(AzCode(deg), code) << deg;
  const std::vector<std::pair<double, int>> el = {{0, 0}, {1, 1}, {10, 14}, {45, 64}, {90, 127},
      {91, 129}, {200, 255}, {-1, 0}, {0.5, 0}};
  for (const auto& [deg, code] : el) EXPECT_EQ(ElCode(deg), code) << deg;
  EXPECT_EQ(Kv250Word(123.0, 91.0), 129 * 256 + AzCode(123));
  EXPECT_EQ((std::vector<int>{Kv250Word(std::numeric_limits<double>::quiet_NaN(), INFINITY), Kv250Word(1e300, -1e300)}),
            (std::vector<int>{0, 255}));
  // The top bit of the elevation byte goes out first.
  EXPECT_EQ(Kv250Writes(Kv250Word(0.0, 91.0))[0], 9);
}

// Park: word 007F in 49 writes, spelled out by the command line.
TEST(Kv250, TheCommandLinePrintsTheWrites) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCli({"kv250", "0", "0"}, ".", out, err), 0);
  EXPECT_EQ(out.str(),
            "8 10 8 8 10 8 8 10 8 8 10 8 8 10 8 8 10 8 8 10 8 8 10 8 8 10 8 "
            "9 11 9 9 11 9 9 11 9 9 11 9 9 11 9 9 11 9 9 11 9 8\n");
}

}  // namespace
}  // namespace rdz
