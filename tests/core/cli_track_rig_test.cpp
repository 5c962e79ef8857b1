// `rodedizevad-cli track` with a radio: a real rigctld (Hamlib's dummy rig)
// reached through model 2, beside the KV250 that has no port here.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "app/cli.h"
#include "core/rigctld.h"
#include "core/temp_dir.h"

namespace rdz {
namespace {

constexpr const char* kQo100 = "33";  // geostationary: up all day from the sample station
constexpr const char* kTransponder = "QO-100 DOWN(10489.550-10489.800) UP(2400.050-2400.300) MODE(USB)\r\n";

struct CliTrackRig : ::testing::Test {
  int Track(const std::string& rig) {
    dir.Write("amateur.txt", test::SampleElements());
    dir.Write("config.txt", test::SampleFile("config.txt") + kTransponder + rig + "\r\n");
    out.str("");
    err.str("");
    return RunCli({"track", "--seconds", "2", kQo100}, dir.path(), out, err);
  }
  test::TempDir dir;
  std::ostringstream out, err;
};

TEST_F(CliTrackRig, KeepsTheRadioOnTheTransponderBesideAKv250WithoutAPort) {
  test::Rigctld rigctld;
  ASSERT_TRUE(rigctld.ready());
  EXPECT_EQ(Track("RIG = 2 " + rigctld.address()), 0) << err.str();
  // "date time rig down up read": near the middle of the passbands, read back.
  const std::string text = out.str();
  ASSERT_NE(text.find(" rig "), std::string::npos) << text;
  double down = 0, up = 0, read = 0;
  ASSERT_EQ(std::sscanf(text.c_str() + text.find(" rig "), " rig %lf %lf %lf", &down, &up, &read), 3) << text;
  EXPECT_NEAR(down, 10489.675e6, 3000);
  EXPECT_NEAR(up, 2400.175e6, 3000);
  EXPECT_NEAR(read, down, 1);
  EXPECT_NEAR(rigctld.SplitFrequency(), up, 20);
  EXPECT_NEAR(rigctld.Frequency(), down, 20);
}

TEST_F(CliTrackRig, RadioThatCannotBeReachedStopsTheCommandWithOneLine) {
  test::Rigctld gone;
  gone.Stop();
  for (const std::string& rig : {"RIG = 2 " + gone.address(), std::string("RIG = 999999 /dev/null")}) {
    EXPECT_NE(Track(rig), 0) << rig;
    const std::string e = err.str();
    EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 1) << e;
    EXPECT_EQ(out.str(), "");
  }
}

}  // namespace
}  // namespace rdz
