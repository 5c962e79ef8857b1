// `rodedizevad-cli track` against a real rotctld and rigctld (Hamlib's dummies
// through model 2), and the ways it refuses.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <thread>

#include "app/cli.h"
#include "core/rigctld.h"
#include "core/temp_dir.h"

namespace rdz {
namespace {

constexpr const char* kQo100 = "33";  // geostationary: up all day from the sample station

class CliTrack : public ::testing::Test {
 protected:
  void WriteFiles(const std::string& deviceLines) {
    dir.Write("amateur.txt", test::SampleElements());
    dir.Write("config.txt", test::SampleFile("config.txt") + deviceLines);
  }
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "track");
    out.str("");
    err.str("");
    return RunCli(args, dir.path(), out, err);
  }
  static std::vector<double> Numbers(const std::string& text) {
    std::istringstream in(text);
    std::vector<double> values;
    for (std::string w; in >> w;) {
      try {
        values.push_back(std::stod(w));
      } catch (...) {
      }
    }
    return values;
  }
  test::TempDir dir;
  std::ostringstream out, err;
};

TEST_F(CliTrack, RefusesWithOneLineAndAFailingStatus) {
  struct Case {
    std::string deviceLines;
    std::vector<std::string> args;
  };
  const std::vector<Case> cases = {
      {"", {"0"}},
      {"", {"x"}},
      {"", {"99"}},
      {"", {"--file", "missing.txt", "1"}},
      {"ROTOR = 999999 /dev/null\r\n", {kQo100}},
      {"RIG = 999999 /dev/null\r\n", {"--seconds", "1", kQo100}},
  };
  for (const Case& c : cases) {
    WriteFiles(c.deviceLines);
    EXPECT_NE(Run(c.args), 0) << c.deviceLines << c.args.back();
    const std::string e = err.str();
    EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 1) << e;
    EXPECT_EQ(out.str(), "");
  }
  std::filesystem::remove(dir.path() / "config.txt");
  EXPECT_NE(Run({kQo100}), 0);
}

// The rotctld dies and comes back on its port: `track` goes on, says so on
// stderr, sends the position again once it answers, and Ctrl-C parks it. A
// hanging rotctld keeps neither the time limit nor Ctrl-C waiting.
TEST_F(CliTrack, RunsThroughAnOutageAndEndsOnTimeOrCtrlC) {
  test::Rotctld rotctld;
  ASSERT_TRUE(rotctld.ready());
  // A station far south sees QO-100 low in the north: the dummy rotor, which
  // turns 6 degrees a second from 0 0, gets there within a second or two.
  dir.Write("amateur.txt", test::SampleElements());
  dir.Write("config.txt", "LA = -76\r\nLO = 35\r\nHT = 0\r\nROTOR = 2 " + rotctld.address() +
                              "\r\nROTORPARK = 20 10\r\nROTORPARKLOS = 1\r\n");
  const auto cli = [&](std::vector<std::string> more) {
    std::vector<std::string> argv{RDZ_CLI_PATH, "track", "--dir", dir.path().string()};
    argv.insert(argv.end(), more.begin(), more.end());
    return test::Spawn(argv);
  };
  using Steady = std::chrono::steady_clock;
  const test::Child run = cli({kQo100});
  std::string text = test::ReadAll(run, 1.5);
  rotctld.Stop();
  text += test::ReadAll(run, 2.5);
  ASSERT_TRUE(rotctld.Restart());
  text += test::ReadAll(run, 5);
  // "dd/MM/yyyy hh:mm:ss az el az el": sent once, and again to the new dummy.
  const std::vector<double> sent = Numbers(text.substr(text.rfind('\n', text.size() - 2) + 21));
  ASSERT_GE(sent.size(), 2u) << text;
  const std::vector<double> p = Numbers(rotctld.Ask("p"));
  ASSERT_EQ(p.size(), 2u);
  EXPECT_NEAR(p[0], sent[0], 2) << text;
  EXPECT_NEAR(p[1], sent[1], 2) << text;
  kill(run.pid, SIGINT);
  text += test::ReadAll(run, 10);
  EXPECT_EQ(test::WaitExit(run), 0) << text;
  EXPECT_NE(text.find("reconnecting ("), std::string::npos) << text;
  EXPECT_NE(text.find("answers again"), std::string::npos) << text;
  const std::vector<double> last = Numbers(text.substr(text.rfind('\n', text.size() - 2) + 21));
  ASSERT_GE(last.size(), 2u) << text;
  EXPECT_EQ(last[0], 20) << text;
  EXPECT_EQ(last[1], 10) << text;

  rotctld.Pause(true);
  for (const bool interrupt : {false, true}) {
    const auto begin = Steady::now();
    const test::Child hung = cli(interrupt ? std::vector<std::string>{kQo100}
                                           : std::vector<std::string>{"--seconds", "2", kQo100});
    std::string seen = test::ReadAll(hung, interrupt ? 2 : 0.1);
    const auto signalled = Steady::now();
    if (interrupt) kill(hung.pid, SIGINT);
    seen += test::ReadAll(hung, 10);
    EXPECT_EQ(test::WaitExit(hung), 1) << seen;  // the rotor was not answering at the end
    const auto limit = interrupt ? signalled + std::chrono::seconds(1) : begin + std::chrono::seconds(3);
    EXPECT_LT(Steady::now(), limit) << interrupt;
  }
  rotctld.Pause(false);
}

TEST_F(CliTrack, KeepsTheRadioOnTheTransponderBesideAKv250WithoutAPort) {
  test::Rigctld rigctld;
  ASSERT_TRUE(rigctld.ready());
  // Beside the KV250, which has no port here.
  WriteFiles("QO-100 DOWN(10489.550-10489.800) UP(2400.050-2400.300) MODE(USB)\r\nRIG = 2 " + rigctld.address() +
             "\r\n");
  EXPECT_EQ(Run({"--seconds", "2", kQo100}), 0) << err.str();
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

}  // namespace
}  // namespace rdz
