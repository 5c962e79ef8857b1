// `rodedizevad-cli track` against a real rotctld and rigctld (Hamlib's dummies
// through model 2), and the ways it refuses.
#include <gtest/gtest.h>

#include <signal.h>

#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <sstream>
#include <thread>

#include "app/cli.h"
#include "orbit/body_look.h"
#include "core/rotctld.h"
#include "core/temp_dir.h"

namespace rdz {
namespace {

constexpr const char* kQo100 = "33";  // geostationary: up all day from the sample station

class CliTrack : public ::testing::Test {
 protected:
  void WriteFiles(const std::string& deviceLines, const std::string& config = test::SampleFile("config.txt")) {
    dir.Write("amateur.txt", test::SampleElements());
    dir.Write("config.txt", config + deviceLines);
  }
  test::Child Spawn(const std::string& sat) {
    return test::Spawn({RDZ_CLI_PATH, "track", "--dir", dir.path().string(), sat});
  }
  // "dd/MM/yyyy hh:mm:ss az el az el": the numbers of the last position the rotor took.
  static std::vector<double> Position(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> last;
    for (std::string line; std::getline(in, line);) {
      if (line.size() > 20 && std::isdigit(static_cast<unsigned char>(line[0]))) last = test::NumbersIn(line.substr(20));
    }
    return last;
  }
  test::TempDir dir;
};

TEST_F(CliTrack, RefusesWithOneLineAndAFailingStatus) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"ROTOR = 999999 /dev/null\r\n", {kQo100}},
      {"RIG = 999999 /dev/null\r\n", {"--seconds", "1", kQo100}},
  };
  for (auto [deviceLines, args] : cases) {
    WriteFiles(deviceLines);
    std::ostringstream out, err;
    args.insert(args.begin(), "track");
    EXPECT_NE(RunCli(args, dir.path(), out, err), 0) << deviceLines << args.back();
    const std::string e = err.str();
    EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 1) << e;
    EXPECT_EQ(out.str(), "");
  }
  std::filesystem::remove(dir.path() / "config.txt");
  std::ostringstream out, err;
  EXPECT_NE(RunCli({"track", kQo100}, dir.path(), out, err), 0);
}

// The rotctld dies and comes back on its port: `track` goes on, says so on
// stderr, sends the position again once it answers, and Ctrl-C parks it.
TEST_F(CliTrack, RunsThroughAnOutageAndParksOnCtrlC) {
  test::Rotctld rotctld;
  ASSERT_TRUE(rotctld.ready());
  // A station far south sees QO-100 low in the north: the dummy rotor turns there from 0 0.
  WriteFiles("ROTOR = 2 " + rotctld.address() + "\r\nROTORPARK = 20 10\r\nROTORPARKLOS = 1\r\n", "LA = -76\r\nLO = 35\r\nHT = 0\r\n");
  const test::Child run = Spawn(kQo100);
  std::string text = test::ReadAll(run, 60, [](const std::string& t) { return !Position(t).empty(); });
  rotctld.Stop();
  text += test::ReadAll(run, 60, [](const std::string& t) { return t.find("reconnecting (") != std::string::npos; });
  ASSERT_TRUE(rotctld.Restart());
  const std::string again = test::ReadAll(run, 60, [](const std::string& t) {
    return t.find("answers again") != std::string::npos && !Position(t).empty();
  });
  text += again;
  // The new dummy is sent where the satellite is, and turns there.
  const std::vector<double> sent = Position(again);
  ASSERT_GE(sent.size(), 2u) << text;
  std::vector<double> p;
  for (int i = 0; i < 300 && (p.size() != 2 || std::abs(p[0] - sent[0]) > 2 || std::abs(p[1] - sent[1]) > 2); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    p = rotctld.Numbers("p");
  }
  ASSERT_EQ(p.size(), 2u);
  EXPECT_NEAR(p[0], sent[0], 2) << text;
  EXPECT_NEAR(p[1], sent[1], 2) << text;
  kill(run.pid, SIGINT);
  text += test::ReadAll(run, 60);
  EXPECT_EQ(test::WaitExit(run), 0) << text;
  const std::vector<double> park = Position(text);
  ASSERT_GE(park.size(), 2u) << text;
  EXPECT_EQ(park[0], 20) << text;
  EXPECT_EQ(park[1], 10) << text;
}

TEST_F(CliTrack, KeepsTheRadioOnTheTransponderBesideAKv250WithoutAPort) {
  test::Rigctld rigctld;
  ASSERT_TRUE(rigctld.ready());
  // Beside the KV250, which has no port here.
  WriteFiles("QO-100 DOWN(10489.550-10489.800) UP(2400.050-2400.300) MODE(USB)\r\nRIG = 2 " + rigctld.address() + "\r\n");
  const test::Child run = Spawn(kQo100);
  // "date time rig down up read": near the middle of the passbands, read back.
  std::string text = test::ReadAll(run, 60, [](const std::string& t) {
    const std::size_t at = t.find(" rig ");
    return at != std::string::npos && t.find('\n', at) != std::string::npos;
  });
  kill(run.pid, SIGINT);
  text += test::ReadAll(run, 60);
  EXPECT_EQ(test::WaitExit(run), 0) << text;
  ASSERT_NE(text.find(" rig "), std::string::npos) << text;
  double down = 0, up = 0, read = 0;
  ASSERT_EQ(std::sscanf(text.c_str() + text.find(" rig "), " rig %lf %lf %lf", &down, &up, &read), 3) << text;
  EXPECT_NEAR(down, 10489.675e6, 3000);
  EXPECT_NEAR(up, 2400.175e6, 3000);
  EXPECT_NEAR(read, down, 1);
  EXPECT_NEAR(rigctld.SplitFrequency(), up, 20);
  EXPECT_NEAR(rigctld.Frequency(), down, 20);
}

// The Sun from a station 40 degrees south of where it stands overhead: the
// dummy rotor is sent about 50 degrees up in the north, where `state` puts it.
TEST_F(CliTrack, FollowsTheSun) {
  test::Rotctld rotctld;
  ASSERT_TRUE(rotctld.ready());
  const double now = static_cast<double>(std::time(nullptr));
  const BodyState overhead = BodyStateAt(SkyBody::Sun, {}, now);
  const std::string station = "LA = " + std::to_string(overhead.subLatitude - 40) +
                              "\r\nLO = " + std::to_string(overhead.subLongitude) + "\r\nHT = 0\r\n";
  WriteFiles("ROTOR = 2 " + rotctld.address() + "\r\n", station);
  const test::Child run = Spawn("sun");
  const std::string text = test::ReadAll(run, 60, [](const std::string& t) { return !Position(t).empty(); });
  kill(run.pid, SIGINT);
  test::WaitExit(run);
  const std::vector<double> sent = Position(text);
  ASSERT_GE(sent.size(), 2u) << text;
  Observer where;
  where.LA = overhead.subLatitude - 40;
  where.LO = overhead.subLongitude;
  const LookAngles sun = BodyStateAt(SkyBody::Sun, where, static_cast<double>(std::time(nullptr))).look;
  EXPECT_NEAR(std::remainder(sent[0] - sun.azimuth, 360.0), 0, 1) << text;
  EXPECT_NEAR(sent[1], sun.elevation, 1) << text;
  EXPECT_NEAR(sun.elevation, 50, 1);
}

}  // namespace
}  // namespace rdz
