#include <gtest/gtest.h>

#include <tuple>

#include "core/settings/attitude_config.h"
#include "core/settings/config_text.h"
#include "core/settings/personal_data.h"
#include "core/settings/settings.h"
#include "core/settings/station_config.h"
#include "core/temp_dir.h"

namespace rdz {
namespace {

using Lines = std::vector<std::string>;

TEST(StationConfig, KeysAtTheStartOfTheLineTheLastUsableOneWins) {
  const std::pair<Lines, StationKeys> cases[] = {
      // Too large for a double is no number: the earlier value stands.
      {{"TEMPOSCANN = 5", "TEMPOSCANN = 1e999", "AGEWARN = 3", "AGEWARN = -1e999"}, {.TEMPOSCANN = 5, .AGEWARN = 3}},
      {{"TEMPOSCANN = 2.5"}, {.TEMPOSCANN = 2}},
      {{"TEMPOSCANN = 3.5"}, {.TEMPOSCANN = 4}},
      {{"TEMPOSCANN = 1000 ms"}, {.TEMPOSCANN = 1000}},
      {{"TEMPOSCANN = 40000"}, {.TEMPOSCANN = 32767}},
      {{"TEMPOSCANN = -99999"}, {.TEMPOSCANN = -32768}},
      // An empty address keeps the one before.
      {{"KEPURL = \thttp://a/b c \t"}, {.KEPURL = "http://a/b c"}},
      {{"KEPURL = http://x", "KEPURL = ", "KEPURL =  \t"}, {.KEPURL = "http://x"}},
      {{"KEPURL = ", "KEPURL=http://y"}, {}},
  };
  for (const auto& [lines, keys] : cases) EXPECT_TRUE(ReadStationKeys(lines) == keys) << lines[0];
}

// The station and the horizon: the last line of a key decides; what is no
// number or out of range stays unset, and the warning names the key.
TEST(Settings, StationKeysInRangeOrUnsetWithAWarningNamingTheKey) {
  struct Case {
    const char* text;
    std::optional<double> LA, LO, HT;
    double horizon;
    std::vector<std::string> warned;  // the keys the warnings name, in order
  };
  const Case cases[] = {
      {"LA = 46.5\rLO = -8.25 west\rHT = 420\rHORIZON = 5\r", 46.5, -8.25, 420, 5, {}},
      {"LA = 47\rLA=1\r LA = 2\rla = 3\rLA = 46,5\rLO = 360\rHT = -500\rHORIZON = 2.5 deg\r", 46, 360, -500, 2.5, {}},
      {"LA = 91\rLO = 400\rHT = -7000000\rHORIZON = 90\r", {}, {}, {}, {}, {"LA", "LO", "HT", "HORIZON"}},
      {"LA = 1e308\rLO = -180.5\rHT = 9000.1\rHORIZON = -11\r", {}, {}, {}, {}, {"LA", "LO", "HT", "HORIZON"}},
      {"LA = nan\rLO = abc\rHT = \rHORIZON = low\r", {}, {}, {}, {}, {"LA", "LO", "HT", "HORIZON"}},
      {"LA = 46\rLA = 1e999\rLO = 8\rLO = 9\rHORIZON=5\r", {}, 9, {}, {}, {"LA", "HT"}},
      {"", {}, {}, {}, {}, {"LA", "LO", "HT"}},
      // The locator's centre where LA and LO are missing; LA and LO win, and are warned about outside it.
      {"LOCATOR = jn45fl\rHT = 1\r", 45.479167, 8.458333, 1, {}, {}},
      {"LOCATOR = JN45\rLA = 46.5\rLO = 9\rHT = 1\r", 46.5, 9, 1, {}, {"LOCATOR"}},
      {"LOCATOR = JN45\rLA = 45\rLO = 10\rHT = 1\r", 45, 10, 1, {}, {}},
      {"LOCATOR = JN4\rLA = 45\rHT = 1\r", 45, {}, 1, {}, {"LOCATOR", "LO"}},
      // A mask replaces HORIZON; one that is refused leaves it in use.
      {"LA = 1\rLO = 1\rHT = 1\rHORIZON = 3\rHORIZONMASK = 4\r", 1, 1, 1, 3, {"line 5: HORIZONMASK"}},
  };
  for (const Case& c : cases) {
    const Settings s = SettingsFromBytes(c.text);
    const auto near = [](std::optional<double> a, std::optional<double> b) {
      return a.has_value() == b.has_value() && (!a || std::abs(*a - *b) < 1e-6);
    };
    EXPECT_TRUE(near(s.station.LA, c.LA) && near(s.station.LO, c.LO)) << c.text;
    EXPECT_EQ(s.station.HT, c.HT) << c.text;
    EXPECT_TRUE(s.horizon == HorizonMask(c.horizon)) << c.text;
    ASSERT_EQ(s.warnings.size(), c.warned.size()) << c.text;
    for (std::size_t i = 0; i < c.warned.size(); ++i) {
      const std::string& w = s.warnings[i];
      EXPECT_TRUE(w.find(" " + c.warned[i] + " = ") != w.npos || w.find(" " + c.warned[i] + ":") != w.npos ||
                  (c.warned[i].find(' ') != w.npos && w.find(c.warned[i]) != w.npos)) << w;
    }
  }
  EXPECT_EQ(SettingsFromBytes("").warnings[2], "config.txt has no HT: height 0 is used");
}

TEST(Settings, ReadOnceFromTheProgramDirectoryAndSayWhyNot) {
  test::TempDir dir;
  const Settings missing = ReadSettings(dir.path());
  EXPECT_TRUE(!missing.read && missing.reason == "no such file or directory");
  EXPECT_EQ(missing.warnings, std::vector<std::string>{"config.txt cannot be read (no such file or directory): "
                                                       "the station stays at latitude 0, longitude 0"});
  dir.Write("config.txt", "LA = 1\rLO = 2\rHT = 3\rKEPURL = http://x\rNTPSERVER = 127.0.0.1:4123\r"
                          " NTPSERVER = x\rROTOR = KV250 LPT2\rRIG = 2 localhost:4532\rSO-50 DOWN(436.795)\r");
  const Settings s = ReadSettings(dir.path());
  EXPECT_TRUE(s.read && s.warnings.empty());
  EXPECT_TRUE(s.keys.KEPURL == "http://x" && s.ntp.server == (NtpServer{"127.0.0.1", 4123}));
  EXPECT_TRUE(s.rotor.choice.lpt == 2 && s.rig.connection);
  EXPECT_EQ(s.lines.back(), "SO-50 DOWN(436.795)");
  EXPECT_EQ(SettingsFromBytes("").ntp.server, NtpServer{});  // the public pool
}

TEST(Settings, ChangesNameWhatMustFollow) {
  const std::string base = "LA = 1\rLO = 2\rHT = 3\r# note\r";
  const std::pair<std::string, std::string> cases[] = {
      {base, ""},
      {"LA = 1.5\rLO = 2\rHT = 3\r# note\r", "station "},
      {base + "HORIZON = 5\r", "station rotor "},
      {base + "HORIZONMASK = 0:5 180:1\r", "station rotor "},
      {base + "STATION = Home\r", "station "},
      {base + "LOCATOR = JN45\r", "station "},
      {base + "TEMPOSCANN = 100\r", "station "},
      {base + "SATS = SO-50\r", "selection "},
      {base + "SO-50 DOWN(436.795)\r", "satellites "},
      {base + "ROTOR = KV250 LPT2\r", "rotor "},
      {base + "RIG = 2 localhost:4532\r", "rig "}};
  for (const auto& [after, named] : cases) {
    const SettingsChanges c = ChangesBetween(SettingsFromBytes(base), SettingsFromBytes(after));
    const std::string got = std::string(c.station ? "station " : "") + (c.selection ? "selection " : "") +
                            (c.satellites ? "satellites " : "") + (c.rotor ? "rotor " : "") + (c.rig ? "rig " : "");
    EXPECT_EQ(got, named) << after;
    EXPECT_EQ(c.Any(), !named.empty());
  }
}

TEST(AttitudeConfig, LinesStartingWithTheTrimmedNameTheLaterWinningKeyByKey) {
  const std::tuple<Lines, const char*, double, double> cases[] = {  // lines, name, ALAT, ALON
      {{"LA = 46.5", " AO-40 ALAT(1)", "ao-40 ALAT(2)"}, "AO-40", 0, 180},
      {{"AO-40 ALAT(-45) ALON(210)"}, "AO-40", -45, 210},
      // Read in full, not cut to three characters.
      {{"AO-40 ALAT(-45) ALON(210)", "AO-40 ALAT(12) ALON(-150)", "AO-40 ALAT(10)"}, "AO-4", 10, -150},
      {{"AO-40 ALAT(x) ALON("}, "AO-40", 0, 0},
      {{"AO-40 ALAT(5) ALON(1e999)", "AO-40 ALAT(-1e999)"}, "AO-40", 5, 180},
  };
  for (const auto& [lines, name, alat, alon] : cases) {
    const Attitude a = AttitudeFor(lines, name);
    EXPECT_EQ(std::pair(a.Alat, a.Alon), std::pair(alat, alon)) << lines[0];
  }
}

TEST(PersonalData, ShowsTheStationInTheFilesUnitsAndNothingWhenUnset) {
  const std::string text = PersonalDataText(Observer{0.0, -0.5, std::nullopt});
  EXPECT_EQ(text.substr(text.find("\r\nLAT")), "\r\nLAT: 0\r\nLON: -0.5\r\nHEIGHT: ");
}

TEST(ConfigEditorText, EveryNonEmptyLineIsKeptAndWrittenWithCrLf) {
  test::TempDir dir;
  EXPECT_EQ(ReadConfigForEditor(dir.path()).text, "");  // missing: empty, and saving creates it
  std::string forty = "\r\r\n";
  for (int i = 1; i <= 40; ++i) forty += "X" + std::to_string(i) + "\r\n\r\n";
  dir.Write("config.txt", forty + "a lone LF\nends a line\r");
  const std::string text = ReadConfigForEditor(dir.path()).text;
  EXPECT_EQ(text.substr(text.size() - 29), "X40\r\na lone LF\r\nends a line\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 42);

  EXPECT_EQ(ConfigFileBytes("a\r\nb\nc\n"), "a\r\nb\r\nc\r\n\r\n");
}

}  // namespace
}  // namespace rdz
