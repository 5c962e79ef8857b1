// The rig keys of config.txt: read, defaults kept for nonsense, written back
// without touching any other line.
#include <gtest/gtest.h>

#include "config/rig_config.h"
#include "core/temp_dir.h"
#include "platform/text_lines.h"

namespace rdz {
namespace {

TEST(RigConfig, ReadsTheKeysAndKeepsDefaultsForNonsense) {
  const RigConfig none = ReadRigLines({"LA = 46.5", "RIGS = 3", "ROTOR = 2 localhost:4533"});
  EXPECT_FALSE(none.connection);
  EXPECT_EQ(none.settings, RigSettings{});

  const RigConfig c = ReadRigLines({"RIG = 3081 /dev/ttyUSB0 19200", "RIGRXVFO = sub", "RIGTXVFO = MAIN",
                                    "RIGSSBHZ = 10", "RIGFMHZ = 500"});
  EXPECT_EQ(c.connection, (RigConnection{3081, "/dev/ttyUSB0", 19200}));
  EXPECT_EQ(c.settings, (RigSettings{RigVfo::Sub, RigVfo::Main, 10, 500}));

  const RigConfig bad = ReadRigLines({"RIG = 2 localhost:4532", "RIG = radio", "RIGRXVFO = C", "RIGTXVFO =",
                                      "RIGSSBHZ = 0", "RIGFMHZ = 1e999", "RIGSSBHZ = -5"});
  EXPECT_FALSE(bad.connection);  // the last RIG line wins, even a broken one
  EXPECT_EQ(bad.settings, RigSettings{});
  EXPECT_EQ(ReadRigLines({"RIG = 2 localhost:4532"}).connection, (RigConnection{2, "localhost:4532", 0}));
}

TEST(RigConfig, WritesOnlyItsOwnLinesBack) {
  const std::string before =
      "# comment\r\nRIG = 1 x\rLO = 8.95\nstill LO's line\r\nRIG = 2 y\r\nRIGFMHZ = 300\r\nAO-07 DOWN(145.95)";
  RigConfig config;
  config.connection = RigConnection{2, "127.0.0.1:4532", 0};
  config.settings.receive = RigVfo::Main;
  config.settings.thresholdFm = 400;
  const std::string after = WithRigConfig(before, config);
  EXPECT_EQ(after,
            "# comment\r\nRIG = 2 127.0.0.1:4532\rLO = 8.95\nstill LO's line\r\nRIGFMHZ = 400\r\n"
            "AO-07 DOWN(145.95)\r\nRIGRXVFO = MAIN\r\nRIGTXVFO = B\r\nRIGSSBHZ = 20\r\n");
  const RigConfig back = ReadRigLines(SplitTextLines(after));
  EXPECT_EQ(back.connection, config.connection);
  EXPECT_EQ(back.settings, config.settings);
  // No radio: the RIG line goes, the settings stay for next time.
  EXPECT_EQ(WithRigConfig(after, RigConfig{}),
            "# comment\r\nLO = 8.95\nstill LO's line\r\nRIGFMHZ = 400\r\n"
            "AO-07 DOWN(145.95)\r\nRIGRXVFO = MAIN\r\nRIGTXVFO = B\r\nRIGSSBHZ = 20\r\n");

  test::TempDir dir;
  dir.Write("config.txt", "LA = 46.5\r\n");
  ASSERT_TRUE(SaveRigConfig(dir.path(), config).ok);
  EXPECT_EQ(LoadRigConfig(dir.path()).connection, config.connection);
  EXPECT_EQ(dir.Read("config.txt").substr(0, 11), "LA = 46.5\r\n");
}

}  // namespace
}  // namespace rdz
