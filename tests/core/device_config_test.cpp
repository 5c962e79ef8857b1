// The rotor and rig keys of config.txt, one table for both devices: read,
// defaults kept for nonsense, written back without touching any other line.
#include <gtest/gtest.h>

#include "core/base/text_lines.h"
#include "core/device/device_connection.h"
#include "core/settings/rig_config.h"
#include "core/settings/rotor_config.h"
#include "core/settings/settings.h"
#include "core/temp_dir.h"

namespace rdz {
namespace {

// A device's keys: its lines read and written into `bytes`, and saved.
struct Device {
  std::string (*rewrite)(std::string_view bytes, const std::vector<std::string>& lines);
  WriteOutcome (*save)(const std::filesystem::path& dir, const std::vector<std::string>& lines);
};
const Device kRotor{[](std::string_view b, const auto& lines) { return WithRotorConfig(b, ReadRotorLines(lines)); },
                    [](const auto& dir, const auto& lines) { return SaveRotorConfig(dir, ReadRotorLines(lines)); }};
const Device kRig{[](std::string_view b, const auto& lines) { return WithRigConfig(b, ReadRigLines(lines)); },
                  [](const auto& dir, const auto& lines) { return SaveRigConfig(dir, ReadRigLines(lines)); }};

TEST(DeviceConfig, KeysReadAndWrittenBackNonsenseKeepsTheDefaults) {
  const std::string rotorDefaults = "ROTORAZRANGE = 0-360\r\nROTORMAXEL = 90\r\nROTORMINSTEP = 2\r\nROTORINTERVAL = 1\r\n"
                                    "ROTORMINEL = 0\r\nROTORPARK = 0 0\r\nROTORWAIT = 5\r\nROTORPARKLOS = 0\r\n";
  const std::string rigDefaults = "RIGRXVFO = CURRENT\r\nRIGTXVFO = B\r\nRIGSSBHZ = 20\r\nRIGFMHZ = 350\r\n";
  const struct Case {
    const Device& device;
    std::vector<std::string> lines;
    std::string written;  // into an empty file, the keys in their order
  } cases[] = {
      {kRotor, {"LA = 46.5", "ROTORS = 3", "ROTORMAXEL = 180"}, ""},  // the KV250 on LPT1: no line at all
      {kRotor, {"ROTOR = KV250 LPT2", "ROTORMAXEL = 180"}, "ROTOR = KV250 LPT2\r\n"},
      {kRotor, {"ROTOR = 603 /dev/ttyUSB0 9600", "ROTOR = north"}, ""},  // the last line of a key wins, even a broken one
      {kRotor,
       {"ROTOR = 603 /dev/ttyUSB0 9600", "ROTORAZRANGE = 0-450", "ROTORMAXEL = 180", "ROTORMINSTEP = 0.5",
        "ROTORINTERVAL = 2", "ROTORMINEL = 3", "ROTORPARK = 180 10", "ROTORWAIT = 7", "ROTORPARKLOS = 1"},
       "ROTOR = 603 /dev/ttyUSB0 9600\r\nROTORAZRANGE = 0-450\r\nROTORMAXEL = 180\r\nROTORMINSTEP = 0.5\r\n"
       "ROTORINTERVAL = 2\r\nROTORMINEL = 3\r\nROTORPARK = 180 10\r\nROTORWAIT = 7\r\nROTORPARKLOS = 1\r\n"},
      {kRotor,
       {"ROTOR = 2 localhost:4533 fast", "ROTORAZRANGE = 0-720", "ROTORMINSTEP = 0", "ROTORINTERVAL = nan",
        "ROTORPARK = 500 -4", "ROTORWAIT = -1", "ROTORMINSTEP = 1e999", "ROTORMINEL = 90"},
       "ROTOR = 2 localhost:4533\r\n" + rotorDefaults},
      {kRig, {"LA = 46.5", "RIGS = 3", "ROTOR = 2 localhost:4533", "RIGFMHZ = 500"}, ""},
      {kRig, {"RIG = 2 localhost:4532", "RIG = radio"}, ""},
      {kRig,
       {"RIG = 3081 /dev/ttyUSB0 19200", "RIGRXVFO = sub", "RIGTXVFO = MAIN", "RIGSSBHZ = 10", "RIGFMHZ = 500",
        "RIGLOSOFFSET = 1"},
       "RIG = 3081 /dev/ttyUSB0 19200\r\nRIGRXVFO = SUB\r\nRIGTXVFO = MAIN\r\nRIGSSBHZ = 10\r\nRIGFMHZ = 500\r\n"
       "RIGLOSOFFSET = 1\r\n"},
      {kRig,
       {"RIG = 2 localhost:4532", "RIGRXVFO = C", "RIGTXVFO =", "RIGSSBHZ = 0", "RIGFMHZ = 1e999", "RIGSSBHZ = -5",
        "RIGTX = 2", "RIGSATMODE = 2", "RIGLOSOFFSET = yes"},
       "RIG = 2 localhost:4532\r\n" + rigDefaults},
      // The uplink: a second radio before satellite mode before none before split.
      {kRig, {"RIG = 2 a", "RIGTX = 2 b", "RIGSATMODE = 1", "RIGTXVFO = none"},
       "RIG = 2 a\r\n" + rigDefaults + "RIGTX = 2 b\r\n"},
      {kRig, {"RIG = 2 a", "RIGSATMODE = 1", "RIGTXVFO = NONE"},
       "RIG = 2 a\r\n" + rigDefaults + "RIGSATMODE = 1\r\n"},
      {kRig, {"RIG = 2 a", "RIGTXVFO = None"}, "RIG = 2 a\r\nRIGRXVFO = CURRENT\r\nRIGTXVFO = NONE\r\n"
                                               "RIGSSBHZ = 20\r\nRIGFMHZ = 350\r\n"},
  };
  for (const Case& c : cases) {
    const std::string written = c.device.rewrite("", c.lines);
    EXPECT_EQ(written, c.written) << c.lines[0];
    EXPECT_EQ(c.device.rewrite(written, SplitTextLines(written)), written) << c.lines[0];
  }
}

TEST(DeviceConfig, WritesOnlyItsOwnLinesAndWithoutTheDeviceOnlyItsFirstKey) {
  const std::string other = "# comment\r\nLA = 46.5\rLO = 8.95\nstill LO's line\r\nAO-07 ALAT(0) ALON(180)";
  const struct Case {
    const Device& device;
    std::string before;  // around `other`
    std::vector<std::string> lines;
    std::string after, without;  // with the device, and with its first line gone
  } cases[] = {
      {kRotor, "ROTOR = 1 x\r" + other + "\nROTOR = 2 y\r\nROTORMAXEL = 90\n",
       {"ROTOR = 2 127.0.0.1:4533", "ROTORMAXEL = 180", "ROTORPARK = 12.5 0"},
       "ROTOR = 2 127.0.0.1:4533\r" + other + "\nROTORMAXEL = 180\nROTORAZRANGE = 0-360\r\nROTORMINSTEP = 2\r\n"
       "ROTORINTERVAL = 1\r\nROTORMINEL = 0\r\nROTORPARK = 12.5 0\r\nROTORWAIT = 5\r\nROTORPARKLOS = 0\r\n",
       other + "\nROTORMAXEL = 180\nROTORAZRANGE = 0-360\r\nROTORMINSTEP = 2\r\n"
       "ROTORINTERVAL = 1\r\nROTORMINEL = 0\r\nROTORPARK = 12.5 0\r\nROTORWAIT = 5\r\nROTORPARKLOS = 0\r\n"},
      {kRig, other + "\rRIG = 1 x\nRIG = 2 y\r\nRIGFMHZ = 300",
       {"RIG = 2 127.0.0.1:4532", "RIGRXVFO = MAIN", "RIGFMHZ = 400"},
       other + "\rRIG = 2 127.0.0.1:4532\nRIGFMHZ = 400\r\nRIGRXVFO = MAIN\r\nRIGTXVFO = B\r\nRIGSSBHZ = 20\r\n",
       other + "\rRIGFMHZ = 400\r\nRIGRXVFO = MAIN\r\nRIGTXVFO = B\r\nRIGSSBHZ = 20\r\n"},
  };
  for (const Case& c : cases) {
    const std::string after = c.device.rewrite(c.before, c.lines);
    EXPECT_EQ(after, c.after);
    // No device: its line goes, the settings stay for next time.
    std::vector<std::string> without = SplitTextLines(after);
    without.erase(std::find(without.begin(), without.end(), c.lines[0]));
    EXPECT_EQ(c.device.rewrite(after, without), c.without);
  }
}

TEST(DeviceConfig, SavedAtomicallyAndNeverOverAFileThatCannotBeRead) {
  for (const auto& [device, line] : {std::pair{&kRotor, "ROTOR = 2 localhost:4533"}, std::pair{&kRig, "RIG = 2 localhost:4532"}}) {
    test::TempDir dir;
    ASSERT_TRUE(device->save(dir.path(), {line}).ok);  // no file yet: made
    EXPECT_EQ(ReadTextLines(dir.path() / "config.txt")->front(), line);
    dir.Write("config.txt", "LAT = 46.5\r\n");  // an existing file keeps its other lines
    ASSERT_TRUE(device->save(dir.path(), {line}).ok);
    EXPECT_EQ(ReadTextLines(dir.path() / "config.txt")->front(), "LAT = 46.5");
    EXPECT_EQ(ReadSettings(dir.path()).rotor.choice.hamlib, device == &kRotor);
    dir.Write("config.txt", std::string("\xFF\xFEL\0A\0", 6));  // unreadable: left as it is
    EXPECT_FALSE(device->save(dir.path(), {line}).ok);
    EXPECT_EQ(dir.Read("config.txt").size(), 6u);
  }
}

// The windows meet the status of a device that answers or is reconnecting.
TEST(DeviceStatus, ModelUnknownOrConnecting) {
  for (const std::string device : {"rotor", "radio"}) {
    bool fine = true;
    EXPECT_EQ(DeviceStatus(device, DeviceState::Unknown, "", 603, "X /dev/ttyS0", fine),
              device + ": Hamlib knows no " + device + " model 603");
    EXPECT_FALSE(fine);
    EXPECT_EQ(DeviceStatus(device, DeviceState::Opening, "", 603, "X /dev/ttyS0", fine), device + ": X /dev/ttyS0 connecting");
    EXPECT_TRUE(fine);
  }
}

}  // namespace
}  // namespace rdz
