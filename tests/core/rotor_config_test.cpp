// The rotor keys of config.txt: reading them, and writing them back without
// touching any other line.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "config/rotor_config.h"
#include "core/temp_dir.h"
#include "platform/text_lines.h"

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
  const RotorSettings& s = c.settings;
  EXPECT_EQ(s.azimuthRange, AzimuthRange::From0To450);
  EXPECT_EQ(s.maxElevation, 180);
  EXPECT_EQ(s.minChange, 0.5);
  EXPECT_EQ(s.intervalSeconds, 2);
  EXPECT_EQ(s.minElevation, 3);
  EXPECT_EQ(s.parkAzimuth, 180);
  EXPECT_EQ(s.parkElevation, 10);
  EXPECT_EQ(s.waitMinutes, 7);
  EXPECT_TRUE(s.parkAfterLos);

  const RotorConfig bad = ReadRotorLines({
      "ROTOR = 603 /dev/ttyUSB0 9600", "ROTOR = north", "ROTORAZRANGE = 0-720", "ROTORMINSTEP = 0",
      "ROTORINTERVAL = nan", "ROTORPARK = 500 -4", "ROTORWAIT = -1", "ROTORMINSTEP = 1e999"});
  EXPECT_FALSE(bad.choice.hamlib);  // the last ROTOR line wins, even a broken one
  EXPECT_EQ(bad.settings, RotorSettings{});
  EXPECT_EQ(ReadRotorLines({"ROTOR = 2 localhost:4533"}).choice.connection,
            (RotorConnection{2, "localhost:4533", 0}));
  EXPECT_EQ(ReadRotorLines({"ROTOR = KV250 LPT2"}).choice, (RotorChoice{false, 2, {}}));
}

TEST(RotorConfig, WritesOnlyItsOwnLinesBack) {
  const std::string before =
      "# comment\r\nLA = 46.5\rROTOR = 1 x\rLO = 8.95\nstill LO's line\r\nROTOR = 2 y\r\n"
      "ROTORMAXEL = 90\r\nAO-07 ALAT(0) ALON(180)";
  RotorConfig config;
  config.choice = {true, 1, {2, "127.0.0.1:4533", 0}};
  config.settings.maxElevation = 180;
  config.settings.parkAzimuth = 12.5;
  const std::string after = WithRotorConfig(before, config);
  EXPECT_EQ(after.substr(0, after.find("ROTOR = ")), "# comment\r\nLA = 46.5\r");
  EXPECT_NE(after.find("ROTOR = 2 127.0.0.1:4533\rLO = 8.95\nstill LO's line\r\nROTORMAXEL = 180\r\n"
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
  EXPECT_EQ(LoadRotorConfig(dir.path()).choice, config.choice);
  dir.Write("config.txt", "LAT = 46.5\r\n");  // an existing file keeps its other lines
  ASSERT_TRUE(SaveRotorConfig(dir.path(), config).ok);
  EXPECT_EQ(ReadTextLines(dir.path() / "config.txt")->front(), "LAT = 46.5");

  std::filesystem::remove(dir.path() / "config.txt");
  std::filesystem::create_directory(dir.path() / "config.txt");
  const WriteOutcome refused = SaveRotorConfig(dir.path(), config);
  EXPECT_FALSE(refused.ok);
  EXPECT_FALSE(refused.reason.empty());
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "config.txt"));
}

}  // namespace
}  // namespace rdz
