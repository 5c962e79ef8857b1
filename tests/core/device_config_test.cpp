// The rotor and rig keys of config.txt: read, defaults kept for nonsense,
// written back without touching any other line.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/settings/rig_config.h"
#include "core/settings/rotor_config.h"
#include "core/settings/settings.h"
#include "core/temp_dir.h"
#include "core/base/text_lines.h"

namespace rdz {
namespace {

TEST(RotorConfig, ReadsTheKeysAndKeepsDefaultsForNonsense) {
  const RotorConfig none = ReadRotorLines({"LA = 46.5", "ROTORS = 3"});
  EXPECT_FALSE(none.choice.hamlib);
  EXPECT_EQ(none.choice.lpt, 1);
  EXPECT_EQ(none.settings, RotorSettings{});

  const RotorConfig c = ReadRotorLines({
      "ROTOR = 603 /dev/ttyUSB0 9600", "ROTORAZRANGE = 0-450", "ROTORMAXEL = 180",
      "ROTORMINSTEP = 0.5", "ROTORINTERVAL = 2", "ROTORMINEL = 3", "ROTORPARK = 180 10",
      "ROTORWAIT = 7", "ROTORPARKLOS = 1"});
  EXPECT_EQ(c.choice, (RotorChoice{true, 1, {603, "/dev/ttyUSB0", 9600}}));
  EXPECT_EQ(c.settings, (RotorSettings{AzimuthRange::From0To450, 180, 0.5, 2, 3, 180, 10, 7, true}));

  const RotorConfig bad = ReadRotorLines({
      "ROTOR = 603 /dev/ttyUSB0 9600", "ROTOR = north", "ROTORAZRANGE = 0-720", "ROTORMINSTEP = 0",
      "ROTORINTERVAL = nan", "ROTORPARK = 500 -4", "ROTORWAIT = -1", "ROTORMINSTEP = 1e999"});
  EXPECT_FALSE(bad.choice.hamlib);  // the last ROTOR line wins, even a broken one
  EXPECT_EQ(bad.settings, RotorSettings{});
  EXPECT_EQ(ReadRotorLines({"ROTOR = 2 localhost:4533"}).choice.connection,
            (DeviceAddress{2, "localhost:4533", 0}));
  EXPECT_EQ(ReadRotorLines({"ROTOR = KV250 LPT2"}).choice, (RotorChoice{false, 2, {}}));
}

TEST(RotorConfig, WritesOnlyItsOwnLinesBack) {
  const std::string before =
      "# comment\r\nLA = 46.5\rROTOR = 1 x\rLO = 8.95\nstill LO's line\r\nROTOR = 2 y\r\n"
      "ROTORMAXEL = 90\nAO-07 ALAT(0) ALON(180)";
  RotorConfig config;
  config.choice = {true, 1, {2, "127.0.0.1:4533", 0}};
  config.settings.maxElevation = 180;
  config.settings.parkAzimuth = 12.5;
  const std::string after = WithRotorConfig(before, config);
  EXPECT_EQ(after.substr(0, after.find("ROTOR = ")), "# comment\r\nLA = 46.5\r");
  EXPECT_NE(after.find("ROTOR = 2 127.0.0.1:4533\rLO = 8.95\nstill LO's line\r\nROTORMAXEL = 180\n"
                       "AO-07 ALAT(0) ALON(180)\r\nROTORAZRANGE = 0-360\r\n"),
            std::string::npos)
      << after;
  const RotorConfig back = ReadRotorLines(SplitTextLines(after));
  EXPECT_EQ(back.choice, config.choice);
  EXPECT_EQ(back.settings, config.settings);
  EXPECT_EQ(WithRotorConfig(after, config), after);

  // Back to the KV250 on LPT1: no ROTOR line at all, the Hamlib settings kept.
  config.choice = {};
  config.settings = {};
  const std::string kv250 = WithRotorConfig(after, config);
  EXPECT_EQ(kv250.find("ROTOR = "), std::string::npos);
  EXPECT_EQ(ReadRotorLines(SplitTextLines(kv250)).settings, back.settings);
}

TEST(RotorConfig, SavesAtomicallyAndNeverOverAFileItCannotRead) {
  test::TempDir dir;
  RotorConfig config;
  config.choice = {true, 1, {2, "localhost:4533", 0}};
  ASSERT_TRUE(SaveRotorConfig(dir.path(), config).ok);  // no file yet: made
  EXPECT_EQ(ReadSettings(dir.path()).rotor.choice, config.choice);
  dir.Write("config.txt", "LAT = 46.5\r\n");  // an existing file keeps its other lines
  ASSERT_TRUE(SaveRotorConfig(dir.path(), config).ok);
  EXPECT_EQ(ReadTextLines(dir.path() / "config.txt")->front(), "LAT = 46.5");
  dir.Write("config.txt", std::string("\xFF\xFEL\0A\0", 6));  // unreadable: left as it is
  EXPECT_FALSE(SaveRotorConfig(dir.path(), config).ok);
  EXPECT_EQ(dir.Read("config.txt").size(), 6u);
}

TEST(RigConfig, ReadsTheKeysAndKeepsDefaultsForNonsense) {
  const RigConfig none = ReadRigLines({"LA = 46.5", "RIGS = 3", "ROTOR = 2 localhost:4533"});
  EXPECT_FALSE(none.connection);
  EXPECT_EQ(none.settings, RigSettings{});

  const RigConfig c = ReadRigLines({"RIG = 3081 /dev/ttyUSB0 19200", "RIGRXVFO = sub", "RIGTXVFO = MAIN",
                                    "RIGSSBHZ = 10", "RIGFMHZ = 500"});
  EXPECT_EQ(c.connection, (DeviceAddress{3081, "/dev/ttyUSB0", 19200}));
  EXPECT_EQ(c.settings, (RigSettings{RigVfo::Sub, RigVfo::Main, 10, 500}));

  const RigConfig bad = ReadRigLines({"RIG = 2 localhost:4532", "RIG = radio", "RIGRXVFO = C", "RIGTXVFO =",
                                      "RIGSSBHZ = 0", "RIGFMHZ = 1e999", "RIGSSBHZ = -5"});
  EXPECT_FALSE(bad.connection);  // the last RIG line wins, even a broken one
  EXPECT_EQ(bad.settings, RigSettings{});
  EXPECT_EQ(ReadRigLines({"RIG = 2 localhost:4532"}).connection, (DeviceAddress{2, "localhost:4532", 0}));

  // The uplink: a second radio before satellite mode before none before split.
  const std::string tx = "RIGTX = 2 localhost:4533", sat = "RIGSATMODE = 1";
  for (const auto& [lines, way] : std::vector<std::pair<std::vector<std::string>, UplinkWay>>{
           {{tx, sat, "RIGTXVFO = none"}, UplinkWay::SecondRadio},
           {{sat, "RIGTXVFO = NONE"}, UplinkWay::SatelliteMode},
           {{"RIGSATMODE = 2", "RIGTXVFO = None"}, UplinkWay::ReceiveOnly},
           {{"RIGTX = 2", "RIGSATMODE = 0", "RIGTXVFO = NONEX"}, UplinkWay::Split}}) {
    EXPECT_EQ(ReadRigLines(lines).settings.uplink, way) << lines[0];
  }
  EXPECT_EQ(ReadRigLines({tx}).transmitter, (DeviceAddress{2, "localhost:4533", 0}));
  EXPECT_TRUE(ReadRigLines({"RIGLOSOFFSET = 1"}).offsetAtLos);
}

TEST(RigConfig, WritesOnlyItsOwnLinesBack) {
  const std::string before =
      "# comment\r\nRIG = 1 x\rLO = 8.95\nstill LO's line\r\nRIG = 2 y\r\nRIGFMHZ = 300\r\nAO-07 DOWN(145.95)";
  RigConfig config;
  config.connection = DeviceAddress{2, "127.0.0.1:4532", 0};
  config.settings.receive = RigVfo::Main;
  config.settings.thresholdFm = 400;
  const std::string after = WithRigConfig(before, config);
  const std::string rest = "LO = 8.95\nstill LO's line\r\nRIGFMHZ = 400\r\nAO-07 DOWN(145.95)\r\n"
                           "RIGRXVFO = MAIN\r\nRIGTXVFO = B\r\nRIGSSBHZ = 20\r\n";
  EXPECT_EQ(after, "# comment\r\nRIG = 2 127.0.0.1:4532\r" + rest);
  const RigConfig back = ReadRigLines(SplitTextLines(after));
  EXPECT_EQ(back.connection, config.connection);
  EXPECT_EQ(back.settings, config.settings);
  // No radio: the RIG line goes, the settings stay for next time.
  EXPECT_EQ(WithRigConfig(after, RigConfig{}), "# comment\r\n" + rest);
  // Each way of sending the uplink reads back as written.
  config.transmitter = DeviceAddress{2, "127.0.0.1:4533", 0};
  config.offsetAtLos = true;
  for (const UplinkWay way : {UplinkWay::SecondRadio, UplinkWay::SatelliteMode, UplinkWay::ReceiveOnly, UplinkWay::Split}) {
    config.settings.uplink = way;
    const RigConfig read = ReadRigLines(SplitTextLines(WithRigConfig(after, config)));
    EXPECT_EQ(read.settings, config.settings);
    EXPECT_TRUE(read.offsetAtLos);
    EXPECT_EQ(read.transmitter.has_value(), way == UplinkWay::SecondRadio);
  }
}

}  // namespace
}  // namespace rdz
