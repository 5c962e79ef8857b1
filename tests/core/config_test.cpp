#include <gtest/gtest.h>

#include "config/attitude_config.h"
#include "config/config_text.h"
#include "config/personal_data.h"
#include "config/station_config.h"
#include "core/temp_dir.h"

namespace rdz {
namespace {

using Lines = std::vector<std::string>;

TEST(StationConfig, KeysAtTheStartOfTheLineTheLastUsableOneWins) {
  struct Case {
    Lines lines;
    StationKeys keys;
  };
  const Case cases[] = {
      {{"LA = 46.5", "comment", "LA = 47", "LA=1", " LA = 2", "la = 3", "LA  = 4"}, {.LA = 47}},
      {{"LO = -8.25 west of here", "HT = abc", "LA = 46,5"}, {.LA = 46, .LO = -8.25, .HT = 0}},
      // Too large for a double is no number: the earlier value stands.
      {{"LA = 46", "LA = 1e999", "HT = -1e999", "TEMPOSCANN = 5", "TEMPOSCANN = 1e999"},
       {.LA = 46, .TEMPOSCANN = 5}},
      {{"TEMPOSCANN = 2.5"}, {.TEMPOSCANN = 2}},
      {{"TEMPOSCANN = 3.5"}, {.TEMPOSCANN = 4}},
      {{"TEMPOSCANN = 1000 ms"}, {.TEMPOSCANN = 1000}},
      {{"TEMPOSCANN = 40000"}, {.TEMPOSCANN = 32767}},
      {{"TEMPOSCANN = -99999"}, {.TEMPOSCANN = -32768}},
      // An empty address keeps the one before; a lone LF ends it.
      {{"KEPURL = \thttp://a/b c \t"}, {.KEPURL = "http://a/b c"}},
      {{"KEPURL = http://x", "KEPURL = ", "KEPURL =  \t"}, {.KEPURL = "http://x"}},
      {{"KEPURL = ", "KEPURL=http://y"}, {}},
      {{"KEPURL = http://z\nLA = 5"}, {.KEPURL = "http://z"}},
  };
  for (const Case& c : cases) EXPECT_TRUE(ReadStationKeys(c.lines) == c.keys) << c.lines[0];

  const Observer kept = WithStationKeys(Observer{46.5, 8.95, std::nullopt}, {.HT = 420});
  EXPECT_EQ(kept.LA, 46.5);
  EXPECT_EQ(kept.LO, 8.95);
  EXPECT_EQ(kept.HT, 420.0);
}

TEST(AttitudeConfig, LinesStartingWithTheTrimmedNameTheLaterWinningKeyByKey) {
  struct Case {
    Lines lines;
    const char* name;
    double alat, alon;
  };
  const Case cases[] = {
      {{"LA = 46.5", " AO-40 ALAT(1)", "ao-40 ALAT(2)"}, "AO-40", 0, 180},
      {{"AO-40 ALAT(-45) ALON(210)"}, "AO-40", -45, 210},
      // Read in full, not cut to three characters.
      {{"AO-40 ALAT(-45) ALON(210)", "AO-40 ALAT(12) ALON(-150)", "AO-40 ALAT(10)"}, "AO-4", 10, -150},
      {{"AO-40 ALAT(x) ALON("}, "AO-40", 0, 0},
      {{"AO-40 ALAT(5) ALON(1e999)", "AO-40 ALAT(-1e999)"}, "AO-40", 5, 180},
  };
  for (const Case& c : cases) {
    const Attitude a = AttitudeFor(c.lines, c.name);
    EXPECT_EQ(a.Alat, c.alat) << c.lines[0];
    EXPECT_EQ(a.Alon, c.alon) << c.lines[0];
  }
}

TEST(ConfigFile, ReadOnlyARegularFileAndSayWhyNot) {
  test::TempDir dir;
  std::string reason;
  EXPECT_FALSE(ReadStationConfig(dir.path(), &reason));
  EXPECT_EQ(reason, "no such file or directory");
  dir.Write("config.txt", "LA = 1\rKEPURL = http://x\r");
  EXPECT_TRUE(ReadStationConfig(dir.path()) == (StationKeys{.LA = 1, .KEPURL = "http://x"}));
}

TEST(PersonalData, ShowsTheStationInTheFilesUnitsAndNothingWhenUnset) {
  const std::string text = PersonalDataText(Observer{0.0, -0.5, std::nullopt});
  EXPECT_EQ(text.substr(text.find("\r\nLAT")), "\r\nLAT: 0\r\nLON: -0.5\r\nHEIGHT: ");
}

TEST(ConfigEditorText, EveryNonEmptyLineIsKeptAndWrittenWithCrLf) {
  test::TempDir dir;
  const auto file = dir.path() / "config.txt";
  EXPECT_EQ(ReadConfigForEditor(file).text, "");  // missing: empty, and saving creates it
  std::string forty = "\r\r\n";
  for (int i = 1; i <= 40; ++i) forty += "X" + std::to_string(i) + "\r\n\r\n";
  dir.Write("config.txt", forty + "a lone LF\nends a line\r");
  const std::string text = ReadConfigForEditor(file).text;
  EXPECT_EQ(text.substr(text.size() - 29), "X40\r\na lone LF\r\nends a line\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 42);

  std::filesystem::remove(file);
  std::filesystem::create_directory(file);
  const EditorText folder = ReadConfigForEditor(file);
  EXPECT_FALSE(folder.readable);
  EXPECT_EQ(folder.reason, "not a regular file");

  EXPECT_EQ(ConfigFileBytes("a\r\nb\nc\n"), "a\r\nb\r\nc\r\n\r\n");
}

}  // namespace
}  // namespace rdz
