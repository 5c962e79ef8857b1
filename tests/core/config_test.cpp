#include <gtest/gtest.h>

#include "config/attitude_config.h"
#include "config/personal_data.h"
#include "config/station_config.h"
#include "core/temp_dir.h"

namespace rdz {
namespace {

using Lines = std::vector<std::string>;

Observer ApplyStation(const Lines& lines, Observer start = {}) {
  std::int16_t scan = 0;
  ApplyStationLines(lines, true, start, scan);
  return start;
}

TEST(StationConfig, KeysAtTheStartOfTheLineTheLastWinsAndUnitsAreIgnored) {
  const Observer s = ApplyStation({"LA = 46.5", "comment", "LO = -8.25 west of here", "HT = abc",
                                   "LA = 47", "LA=1", " LA = 2", "la = 3", "LA  = 4"});
  EXPECT_EQ(s.LA, 47.0);
  EXPECT_EQ(s.LO, -8.25);
  EXPECT_EQ(s.HT, 0.0);
  EXPECT_EQ(ApplyStation({"LA = 46,5"}).LA, 46.0);
  const Observer kept = ApplyStation({"HT = 420", "LA=1"}, Observer{46.5, 8.95, std::nullopt});
  EXPECT_EQ(kept.LA, 46.5);
  EXPECT_EQ(kept.LO, 8.95);
  EXPECT_EQ(kept.HT, 420.0);
}

TEST(StationConfig, ScanIntervalRoundsHalfToEvenAndClampsIntoSixteenBits) {
  const auto scanFrom = [](const std::string& value) {
    Observer station;
    std::int16_t scan = 0;
    ApplyStationLines({"TEMPOSCANN = " + value}, true, station, scan);
    return scan;
  };
  EXPECT_EQ(scanFrom("2.5"), 2);
  EXPECT_EQ(scanFrom("3.5"), 4);
  EXPECT_EQ(scanFrom("1000 ms"), 1000);
  EXPECT_EQ(scanFrom("40000"), 32767);
  EXPECT_EQ(scanFrom("-99999"), -32768);
  EXPECT_EQ(scanFrom("1e999"), 32767);
  // Left alone when not asked for.
  Observer station;
  std::int16_t scan = 7;
  ApplyStationLines({"TEMPOSCANN = 1000", "LA = 1"}, false, station, scan);
  EXPECT_EQ(scan, 7);
  EXPECT_EQ(station.LA, 1.0);
}

TEST(ConfigFile, AMissingFileKeepsTheStationAndGivesTheDefaultAttitude) {
  test::TempDir dir;
  Observer station{1.0, 2.0, 3.0};
  std::int16_t scan = 5;
  EXPECT_FALSE(LoadStationConfig(dir.path(), true, station, scan));
  EXPECT_EQ(station.LA, 1.0);
  EXPECT_EQ(scan, 5);
  ElementSet sat;
  sat.Alat = 5;
  EXPECT_FALSE(LoadSatelliteAttitude(dir.path(), "AO-40", sat));
  EXPECT_EQ(sat.Alat, 0);
  EXPECT_EQ(sat.Alon, 180);
}

ElementSet Attitude(const Lines& lines, std::string_view name) {
  ElementSet sat;
  sat.Alat = 99;  // whatever an earlier load left
  sat.Alon = 99;
  ApplyAttitudeLines(lines, name, sat);
  return sat;
}

TEST(AttitudeConfig, LinesStartingWithTheNameTheLaterWinningKeyByKey) {
  const ElementSet none = Attitude({"LA = 46.5", " AO-40 ALAT(1)", "ao-40 ALAT(2)"}, "AO-40");
  EXPECT_EQ(none.Alat, 0);
  EXPECT_EQ(none.Alon, 180);
  const ElementSet two = Attitude({"AO-40 ALAT(-45) ALON(210)", "AO-40 ALAT(12) ALON(-150)",
                                   "AO-40 ALAT(10)"}, "AO-4");
  EXPECT_EQ(two.Alat, 10);
  EXPECT_EQ(two.Alon, -150);  // read in full, not cut to three characters
  EXPECT_EQ(Attitude({"AO-40 ALAT(x) ALON("}, "AO-40").Alon, 0);
}

TEST(PersonalData, ShowsTheStationInTheFilesUnits) {
  EXPECT_EQ(PersonalDataText(Observer{46.5, 8.95, 420.0}),
            "OK -> PERSONAL DATA: \r\nLAT: 46.5\r\nLON: 8.95\r\nHEIGHT: 420");
  EXPECT_EQ(PersonalDataText(Observer{0.0, -0.5, std::nullopt}),
            "OK -> PERSONAL DATA: \r\nLAT: 0\r\nLON: -0.5\r\nHEIGHT: ");
}

}  // namespace
}  // namespace rdz
