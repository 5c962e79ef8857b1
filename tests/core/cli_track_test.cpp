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

#include "programs/cli/cli.h"
#include "core/orbit/body_look.h"
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
    EXPECT_TRUE(test::CountOf(err.str(), "\n") == 1 && out.str().empty()) << err.str();
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
  EXPECT_TRUE(std::abs(p[0] - sent[0]) <= 2 && std::abs(p[1] - sent[1]) <= 2) << text;
  kill(run.pid, SIGINT);
  text += test::ReadAll(run, 60);
  EXPECT_EQ(test::WaitExit(run), 0) << text;
  const std::vector<double> park = Position(text);
  ASSERT_GE(park.size(), 2u) << text;
  EXPECT_EQ((std::vector{park[0], park[1]}), (std::vector{20.0, 10.0})) << text;
}

// Beside the KV250, which has no port here, the radio is kept on an inverting
// transponder with a tone: through split, in satellite mode (a rigctld in VFO
// mode, whose commands name Main and Sub), and as two radios. The offset the
// operator left it at is where it starts.
TEST_F(CliTrack, RadioModeToneAndOffsetThroughSplitSatelliteModeAndTwoRadios) {
  constexpr double kOffset = 50000, kDown = 10489.675e6 + kOffset, kUp = 2400.175e6 - kOffset;
  struct Case {
    std::string keys;
    bool vfoMode;
    // The receiving daemon's questions for the downlink, its mode, the uplink, its mode and tone.
    std::vector<std::string> ask;
    bool second;  // the uplink's questions go to the second daemon
  };
  const std::vector<std::string> split = {"f", "m", "i", "x", "V VFOB", "c", "V VFOA"};
  for (const Case& c :
       {Case{"", false, split, false},
        Case{"RIGSATMODE = 1\r\nRIGRXVFO = SUB\r\nRIGTXVFO = MAIN\r\n", true,
             {"f Sub", "m Sub", "f Main", "m Main", "", "c Main", ""}, false},
        Case{"RIGTXVFO = CURRENT\r\n", false, {"f", "m", "f", "m", "", "c", ""}, true}}) {
    test::Rigctld rigctld(c.vfoMode), uplink;
    ASSERT_TRUE(rigctld.ready() && uplink.ready());
    const std::string tx = c.second ? "RIGTX = 2 " + uplink.address() + "\r\n" : "";
    WriteFiles("QO-100 DOWN(10489.550-10489.800) UP(2400.050-2400.300) MODE(USB) INVERT TONE(67.0)\r\nRIG = 2 " +
               rigctld.address() + "\r\n" + c.keys + tx);
    dir.Write("offsets.txt", "43700 10489675000 50000\r\n");
    const test::Child run = Spawn(kQo100);
    // "date time rig mode down up tone", then "date time rig down up read".
    std::string text = test::ReadAll(run, 60, [](const std::string& t) {
      const std::size_t at = t.find(" rig 1");
      return at != std::string::npos && t.find('\n', at) != std::string::npos;
    });
    const std::string satMode = rigctld.Ask(c.vfoMode ? "u currVFO SATMODE" : "u SATMODE");
    kill(run.pid, SIGINT);
    text += test::ReadAll(run, 60);
    EXPECT_EQ(test::WaitExit(run), 0) << text;
    EXPECT_NE(text.find(" rig mode USB LSB 67.0\n"), std::string::npos) << text;
    ASSERT_NE(text.find(" rig 1"), std::string::npos) << text;
    double down = 0, up = 0, read = 0;
    ASSERT_EQ(std::sscanf(text.c_str() + text.find(" rig 1"), " rig %lf %lf %lf", &down, &up, &read), 3) << text;
    EXPECT_NEAR(down, kDown, 3000);
    EXPECT_NEAR(up, kUp, 3000);
    EXPECT_NEAR(read, down, 1);
    const test::Rigctld& upDaemon = c.second ? uplink : rigctld;
    EXPECT_NEAR(rigctld.First(c.ask[0]), down, 20) << c.keys;
    EXPECT_EQ(rigctld.Ask(c.ask[1]).substr(0, 4), "USB ") << c.keys;
    EXPECT_NEAR(upDaemon.First(c.ask[2]), up, 20) << c.keys;
    EXPECT_EQ(upDaemon.Ask(c.ask[3]).substr(0, 4), "LSB ") << c.keys;
    if (!c.ask[4].empty()) upDaemon.Ask(c.ask[4]);
    EXPECT_EQ(upDaemon.Ask(c.ask[5]), "670") << c.keys;
    if (!c.ask[6].empty()) upDaemon.Ask(c.ask[6]);
    // Satellite mode on while tracking, off once `track` has ended.
    EXPECT_EQ(satMode, c.vfoMode ? "1" : "0") << c.keys;
    EXPECT_EQ(rigctld.Ask(c.vfoMode ? "u currVFO SATMODE" : "u SATMODE"), "0") << c.keys;
  }
}

// The Sun from a station 40 degrees south of where it stands overhead: the
// dummy rotor is sent about 50 degrees up in the north, where `state` puts it.
TEST_F(CliTrack, FollowsTheSun) {
  test::Rotctld rotctld;
  ASSERT_TRUE(rotctld.ready());
  const double now = static_cast<double>(std::time(nullptr));
  const BodyState overhead = BodyStateAt(SkyBody::Sun, {}, now);
  const Observer where{overhead.subLatitude - 40, overhead.subLongitude, 0};
  WriteFiles("ROTOR = 2 " + rotctld.address() + "\r\n",
             "LA = " + std::to_string(*where.LA) + "\r\nLO = " + std::to_string(*where.LO) + "\r\nHT = 0\r\n");
  const test::Child run = Spawn("sun");
  const std::string text = test::ReadAll(run, 60, [](const std::string& t) { return !Position(t).empty(); });
  kill(run.pid, SIGINT);
  test::WaitExit(run);
  const std::vector<double> sent = Position(text);
  ASSERT_GE(sent.size(), 2u) << text;
  const LookAngles sun = BodyStateAt(SkyBody::Sun, where, static_cast<double>(std::time(nullptr))).look;
  EXPECT_NEAR(std::remainder(sent[0] - sun.azimuth, 360.0), 0, 1) << text;
  EXPECT_NEAR(sent[1], sun.elevation, 1) << text;
  EXPECT_NEAR(sun.elevation, 50, 1);
}

}  // namespace
}  // namespace rdz
