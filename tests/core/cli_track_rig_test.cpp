// `rodedizevad-cli track` with a radio: a real rigctld (Hamlib's dummy rig)
// reached through model 2, beside the KV250 that has no port here.
#include <gtest/gtest.h>

#include <signal.h>

#include <sstream>
#include <thread>

#include "app/cli.h"
#include "core/rigctld.h"
#include "core/rotctld.h"
#include "core/temp_dir.h"

namespace rdz {
namespace {

constexpr const char* kQo100 = "33";  // geostationary: up all day from the sample station
// Its linear transponder, the downlink 8089.5 MHz above the uplink.
constexpr const char* kTransponder = "QO-100 DOWN(10489.550-10489.800) UP(2400.050-2400.300) MODE(USB)\r\n";

std::vector<std::vector<double>> RigLines(const std::string& text) {
  std::vector<std::vector<double>> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    const auto at = line.find(" rig ");
    if (at == std::string::npos) continue;
    std::istringstream words(line.substr(at + 5));
    std::vector<double> v;
    for (std::string w; words >> w;) v.push_back(w == "-" ? 0 : std::stod(w));
    lines.push_back(v);
  }
  return lines;
}

TEST(CliTrackRig, KeepsTheRadioOnTheTransponderAndFollowsTheDial) {
  test::Rigctld rigctld;
  ASSERT_TRUE(rigctld.ready());
  test::TempDir dir;
  dir.Write("amateur.txt", test::SampleElements());
  dir.Write("config.txt", test::SampleFile("config.txt") + kTransponder + "RIG = 2 " + rigctld.address() + "\r\n");
  const test::Child run =
      test::Spawn({RDZ_CLI_PATH, "track", "--dir", dir.path().string(), "--seconds", "5", kQo100});
  std::string text = test::ReadAll(run, 2);
  const std::vector<std::vector<double>> first = RigLines(text);
  ASSERT_FALSE(first.empty()) << text;
  // Sent, and read back, near the middle of the passbands.
  ASSERT_EQ(first[0].size(), 3u) << text;
  EXPECT_NEAR(first[0][0], 10489.675e6, 3000) << text;
  EXPECT_NEAR(first[0][1], 2400.175e6, 3000) << text;
  EXPECT_NEAR(first[0][2], first[0][0], 1);
  const double down = rigctld.Frequency(), up = rigctld.SplitFrequency();
  EXPECT_NEAR(down, RigLines(text).back()[0], 20);
  EXPECT_NEAR(up, first[0][1], 20);

  // The operator tunes 5 kHz higher: the uplink follows, the dial is left there.
  ASSERT_TRUE(rigctld.Tune(down + 5000));
  text += test::ReadAll(run, 10);
  EXPECT_EQ(test::WaitExit(run), 0) << text;
  EXPECT_NEAR(rigctld.Frequency(), down + 5000, 20) << text;
  EXPECT_NEAR(rigctld.SplitFrequency(), up + 5000, 20) << text;
}

TEST(CliTrackRig, RadioThatCannotBeReachedStopsTheCommandWithOneLine) {
  test::Rigctld gone;
  gone.Stop();
  test::TempDir dir;
  dir.Write("amateur.txt", test::SampleElements());
  for (const std::string rig : {"RIG = 2 " + gone.address(), std::string("RIG = 999999 /dev/null")}) {
    dir.Write("config.txt", test::SampleFile("config.txt") + kTransponder + rig + "\r\n");
    std::ostringstream out, err;
    EXPECT_NE(RunCli({"track", "--seconds", "1", kQo100}, dir.path(), out, err), 0) << rig;
    const std::string e = err.str();
    EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 1) << e;
    EXPECT_EQ(out.str(), "");
  }
}

}  // namespace
}  // namespace rdz
