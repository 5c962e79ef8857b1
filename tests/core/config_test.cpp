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

std::int16_t ScanFrom(const std::string& line) {
  Observer station;
  std::int16_t scan = 0;
  ApplyStationLines({line}, true, station, scan);
  return scan;
}

TEST(StationConfig, TheLastLineOfAKeyWinsAndUnitsAreIgnored) {
  const Observer s = ApplyStation({"LA = 46.5", "comment", "LO = -8.25 west of here", "HT = abc",
                                   "LA = 47"});
  EXPECT_EQ(s.LA, 47.0);
  EXPECT_EQ(s.LO, -8.25);
  EXPECT_EQ(s.HT, 0.0);
}

TEST(StationConfig, KeysMustStandExactlyAtTheStartOfTheLine) {
  const Observer s = ApplyStation({"LA=46.5", " LA = 46.5", "la = 46.5", "LA  = 46.5"});
  EXPECT_FALSE(s.LA.has_value());
  const Observer kept = ApplyStation({"LA=46.5"}, Observer{12.0, 3.0, 100.0});
  EXPECT_EQ(kept.LA, 12.0);
  EXPECT_EQ(ApplyStation({"LA = 46,5"}).LA, 46.0);
}

TEST(StationConfig, AbsentKeysKeepTheirPreviousValues) {
  const Observer s = ApplyStation({"HT = 420"}, Observer{46.5, 8.95, std::nullopt});
  EXPECT_EQ(s.LA, 46.5);
  EXPECT_EQ(s.LO, 8.95);
  EXPECT_EQ(s.HT, 420.0);
}

TEST(StationConfig, ScanIntervalRoundsHalfToEvenAndClampsIntoSixteenBits) {
  EXPECT_EQ(ScanFrom("TEMPOSCANN = 2.5"), 2);
  EXPECT_EQ(ScanFrom("TEMPOSCANN = 3.5"), 4);
  EXPECT_EQ(ScanFrom("TEMPOSCANN = 0"), 0);
  EXPECT_EQ(ScanFrom("TEMPOSCANN = 1000 ms"), 1000);
  EXPECT_EQ(ScanFrom("TEMPOSCANN = 40000"), 32767);
  EXPECT_EQ(ScanFrom("TEMPOSCANN = -99999"), -32768);
  EXPECT_EQ(ScanFrom("TEMPOSCANN = 1e999"), 32767);
}

TEST(StationConfig, ScanIntervalIsLeftAloneWhenNotAsked) {
  Observer station;
  std::int16_t scan = 7;
  ApplyStationLines({"TEMPOSCANN = 1000", "LA = 1"}, false, station, scan);
  EXPECT_EQ(scan, 7);
  EXPECT_EQ(station.LA, 1.0);
}

TEST(StationConfig, AMissingFileChangesNothing) {
  test::TempDir dir;
  Observer station{1.0, 2.0, 3.0};
  std::int16_t scan = 5;
  EXPECT_FALSE(LoadStationConfig(dir.path(), true, station, scan));
  EXPECT_EQ(station.LA, 1.0);
  EXPECT_EQ(scan, 5);
  dir.Write("config.txt", test::CrLf({"LA = 46.5", "TEMPOSCANN = 1000"}));
  EXPECT_TRUE(LoadStationConfig(dir.path(), true, station, scan));
  EXPECT_EQ(station.LA, 46.5);
  EXPECT_EQ(scan, 1000);
}

ElementSet Attitude(const Lines& lines, std::string_view name) {
  ElementSet sat;
  sat.Alat = 99;  // whatever an earlier load left
  sat.Alon = 99;
  ApplyAttitudeLines(lines, name, sat);
  return sat;
}

TEST(AttitudeConfig, DefaultsAndTheLaterLineWins) {
  const ElementSet none = Attitude({"LA = 46.5"}, "AO-40");
  EXPECT_EQ(none.Alat, 0);
  EXPECT_EQ(none.Alon, 180);
  const ElementSet two = Attitude({"AO-40 ALAT(-45) ALON(210)", "AO-40 ALAT(12) ALON(-150)"}, "AO-40");
  EXPECT_EQ(two.Alat, 12);
  EXPECT_EQ(two.Alon, -150);  // read in full, not cut to three characters
}

TEST(AttitudeConfig, ANameMatchesAtTheStartOfTheLineOnly) {
  EXPECT_EQ(Attitude({"AO-40 ALAT(-45) ALON(210)"}, "AO-4").Alat, -45);
  EXPECT_EQ(Attitude({" AO-40 ALAT(-45) ALON(210)"}, "AO-40").Alat, 0);
  EXPECT_EQ(Attitude({"ao-40 ALAT(-45) ALON(210)"}, "AO-40").Alat, 0);
}

TEST(AttitudeConfig, AKeyMissingFromTheLineKeepsItsValue) {
  const ElementSet sat = Attitude({"AO-40 ALAT(30) ALON(90)", "AO-40 ALAT(10)"}, "AO-40");
  EXPECT_EQ(sat.Alat, 10);
  EXPECT_EQ(sat.Alon, 90);
  EXPECT_EQ(Attitude({"AO-40 ALAT(x) ALON("}, "AO-40").Alon, 0);
}

TEST(AttitudeConfig, AMissingFileLeavesTheDefaultAttitude) {
  test::TempDir dir;
  ElementSet sat;
  sat.Alat = 5;
  EXPECT_FALSE(LoadSatelliteAttitude(dir.path(), "AO-40", sat));
  EXPECT_EQ(sat.Alat, 0);
  EXPECT_EQ(sat.Alon, 180);
}

TEST(PersonalData, ShowsTheStationInTheFilesUnits) {
  EXPECT_EQ(PersonalDataText(Observer{46.5, 8.95, 420.0}),
            "OK -> PERSONAL DATA: \r\nLAT: 46.5\r\nLON: 8.95\r\nHEIGHT: 420");
  EXPECT_EQ(PersonalDataText(Observer{}), "OK -> PERSONAL DATA: \r\nLAT: \r\nLON: \r\nHEIGHT: ");
  EXPECT_EQ(PersonalDataText(Observer{0.0, -0.5, std::nullopt}),
            "OK -> PERSONAL DATA: \r\nLAT: 0\r\nLON: -0.5\r\nHEIGHT: ");
}

}  // namespace
}  // namespace rdz
