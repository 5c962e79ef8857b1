// The station's locator and horizon mask: the conversions, the keys, and
// every part that starts a pass at the mask against a 1-second scan.
#include <gtest/gtest.h>

#include <tuple>

#include <sstream>

#include "programs/cli/cli.h"
#include "core/settings/locator.h"
#include "core/settings/settings.h"
#include "core/settings/station_entry.h"
#include "core/temp_dir.h"
#include "core/sky/sky.h"
#include "core/load/element_loader.h"
#include "core/load/settings_in_use.h"
#include "core/passes/pass_time.h"
#include "core/passes/table_passes.h"
#include "core/radio/rig_sky.h"
#include "core/rotor/kv250_follow.h"
#include "core/rotor/pass_planner.h"
#include "core/rotor/satellite_sky.h"

namespace rdz {
namespace {

const HorizonMask kMask({{0, 5}, {90, 15}, {180, 2}, {270, 10}});

// The command's centres and locators, every length and corner of the grid
// and published stations (W1AW, London, Sydney); what it refuses is named.
TEST(Locator, TheCommandPrintsTheCentreOrTheLocatorAndNamesWhatItRefuses) {
  const struct {
    std::vector<std::string> args;
    std::string out, err;  // err: a part of it
  } cases[] = {{{"JN45"}, "lat 45.500000\nlon 9.000000\n", ""},     {{"jn45fl"}, "lat 45.479167\nlon 8.458333\n", ""},
               {{"JN45FL27"}, "lat 45.489583\nlon 8.437500\n", ""}, {{"RR99XX99"}, "lat 89.997917\nlon 179.995833\n", ""},
               {{"AA00"}, "lat -89.500000\nlon -179.000000\n", ""}, {{"45.5", "9.2"}, "JN45OM\n", ""},
               {{"41.714775", "-72.72726"}, "FN31PR\n", ""},          {{"51.5074", "-0.1278"}, "IO91WM\n", ""},
               {{"-33.8688", "151.2093"}, "QF56OD\n", ""},           {{"90", "0"}, "JR09AX\n", ""},
               {{"0", "180"}, "AJ00AA\n", ""},                       {{"45.5", "369.2"}, "", "longitude '369.2'"},
               {{"JN45FM7"}, "", "'JN45FM7' is not a locator"},      {{"91", "0"}, "", "latitude '91'"},
               {{}, "", "locator takes LOCATOR"}};
  for (const auto& c : cases) {
    std::vector<std::string> args{"locator"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(args, "/nonexistent", out, err), c.err.empty() ? 0 : c.args.empty() ? 2 : 1) << args.back();
    EXPECT_EQ(out.str(), c.out);
    EXPECT_NE(err.str().find(c.err), std::string::npos) << err.str();
  }
}

TEST(Locator, RoundTripAtEveryLengthAndRefusalOfWhatNamesNoSquare) {
  for (const int length : {4, 6, 8}) {
    for (double lat = -90; lat <= 90; lat += 7.3) {
      for (double lon = -180; lon < 360; lon += 11.7) {
        const std::string name = LocatorOf(lat, lon, length);
        const auto square = ParseLocator(name);
        ASSERT_TRUE(square && square->name == name && name.size() == static_cast<std::size_t>(length)) << name;
        EXPECT_TRUE(square->Contains(lat, lon)) << name << " " << lat << " " << lon;
        EXPECT_EQ(LocatorOf(square->CentreLatitude(), square->CentreLongitude(), length), name);
      }
    }
  }
  for (const char* bad : {"", "JN4", "JN45F", "JN45FL2", "JN45FL270", "SN45", "JS45", "JNA5", "JN45YL", "JN45FL2A",
                          "JN 45", "1N45", "JN45FL 7"}) {
    EXPECT_FALSE(ParseLocator(bad)) << bad;
  }
}

TEST(StationEntry, FieldsRefusedOneByOneAndTheStationLinesWrittenAmongTheOthers) {
  const struct {
    StationFields typed;
    const char* refused;  // the fields refused, in order: L(ocator), A(latitude), O(longitude), H(eight)
    const char* written;  // the station lines after "# mine\r\n"
  } cases[] = {
      {{"jn45fl", "", "", "420", " Roof\nshack "}, "",
       "LA = 45.479167\r\nLO = 8.458333\r\nHT = 420\r\nLOCATOR = JN45FL\r\nSTATION = Roof shack\r\n"},
      {{"", "45 30 N", "9 12 E", "-3.5", ""}, "", "LA = 45.5\r\nLO = 9.2\r\nHT = -3.5\r\nLOCATOR = JN45OM\r\n"},
      // Degrees and minutes, with a sign, a hemisphere letter or the degree and minute marks.
      {{"", "s33 52.1", "151 12.6", "0", ""}, "", "LA = -33.868333\r\nLO = 151.21\r\nHT = 0\r\nLOCATOR = QF56OD\r\n"},
      {{"", "46\xC2\xB0 30.6'", "-8 15", "1", ""}, "", "LA = 46.51\r\nLO = -8.25\r\nHT = 1\r\nLOCATOR = IN56VM\r\n"},
      {{"", "-0 30", "8.25E", "1", ""}, "", "LA = -0.5\r\nLO = 8.25\r\nHT = 1\r\nLOCATOR = JI49DM\r\n"},
      {{"", "46 60", "8 15 N", "1", ""}, "AO", ""},
      {{"", "46.5 10", "-8 E", "1", ""}, "AO", ""},
      {{"JN45", "46.5", "9", "1", ""}, "L", ""},
      {{"JN4", "91", "8 15 N", "9001", ""}, "LAOH", ""},
  };
  for (const auto& c : cases) {
    const StationCheck check = CheckStation(c.typed);
    const std::string refused = std::string(check.locator.empty() ? "" : "L") + (check.latitude.empty() ? "" : "A") +
                                (check.longitude.empty() ? "" : "O") + (check.height.empty() ? "" : "H");
    EXPECT_EQ(refused, c.refused) << c.typed.locator << c.typed.latitude;
    EXPECT_EQ(check.entry.has_value(), refused.empty());
    if (check.entry) {
      EXPECT_EQ(WithStation("# mine\r\n", *check.entry), std::string("# mine\r\n") + c.written);
    }
  }
}

TEST(HorizonMaskKey, PairsInAnyOrderOrAWarningNamingTheLineAndTheRestOfTheFileLoads) {
  const std::tuple<const char*, std::optional<HorizonMask>, const char*> cases[] = {  // value, mask, warning
               {"270:10 0:5  180:2\t90:15", kMask, ""},
               {"360:4 90:6.5", HorizonMask({{0, 4}, {90, 6.5}}), ""},
               {"7", {}, "\"7\" is not azimuth:elevation"},
               {"0:5 90:x", {}, "\"90:x\" is not"},
               {"0:5 361:5", {}, "\"361:5\" is not"},
               {"0:5 360:6", {}, "\"360:6\" repeats an azimuth"},
               {"", {}, "has no azimuth:elevation pairs"}};
  for (const auto& [value, mask, warned] : cases) {
    const Settings s = SettingsFromBytes(std::string("LA = 45\r\nHORIZON = 3\r\nHORIZONMASK = ") + value +
                                         "\r\nLO = 9\r\nHT = 1\r\n");
    EXPECT_TRUE(s.horizon == mask.value_or(HorizonMask(3))) << value;
    EXPECT_TRUE(s.rotor.settings.horizon == s.horizon && s.station.LA == 45 && s.station.LO == 9) << value;
    const std::string warnings = s.warnings.empty() ? "" : s.warnings.front();
    EXPECT_EQ(warnings.empty(), !*warned) << warnings;
    EXPECT_TRUE(!*warned || warnings.starts_with("config.txt line 3: HORIZONMASK ")) << warnings;
    EXPECT_NE(warnings.find(warned), std::string::npos) << warnings;
  }
  EXPECT_TRUE(SettingsFromBytes("HORIZONMASK = 0:1\nHORIZONMASK = 0:2\n").horizon == HorizonMask(2));
}

TEST(HorizonMask, AtLeastAFloorIsTheHigherOfTheTwoInEveryDirection) {
  for (const HorizonMask& mask : {kMask, HorizonMask({{350, -5}, {10, 20}}), HorizonMask(4)}) {
    for (const double floor : {-6.0, 0.0, 3.0, 7.5, 15.0, 25.0}) {
      const HorizonMask raised = AtLeast(mask, floor);
      for (double az = 0; az < 360; az += 0.25) {
        ASSERT_NEAR(raised.At(az), std::max(mask.At(az), floor), 1e-9) << floor << " " << az;
      }
    }
  }
}

// The sample elements over a day with the mask in config.txt: every part's
// AOS and LOS against a 1-second scan of the table's own model.
TEST(MaskedPasses, SearchSummaryCalendarSkyRotorAndRadioStartAtTheMask) {
  test::TempDir dir;
  dir.Write("amateur.txt", test::SampleElements());
  dir.Write("config.txt", test::SampleFile("config.txt") + "HORIZONMASK = 0:5 90:15 180:2 270:10\r\n");
  TrackerState state;
  state.ElementFileName = "amateur.txt";
  UseSettings(state, ReadSettings(dir.path()));
  ASSERT_EQ(LoadElements(dir.path(), state).outcome, LoadOutcome::Loaded);
  ASSERT_TRUE(state.Config->horizon == kMask);
  const EngineContext engine = SetupEngine(state.Station);
  const std::int64_t start = UnixSeconds({2026, 5, 11, 12, 0, 0});
  for (const int k : {1, 6, 8}) {
    SCOPED_TRACE(k);
    const auto& model = state.Models[static_cast<std::size_t>(k - 1)];
    std::vector<std::pair<std::int64_t, std::int64_t>> scanned;  // [AOS, LOS] above the mask
    bool was = true;
    for (std::int64_t t = start; t < start + 86400; ++t) {
      const auto a = model->Look(engine, CivilFromUnix(t));
      const bool is = a && a->elevation >= kMask.At(a->azimuth);
      if (is && !was && t > start) scanned.push_back({t, t});
      if (is && !scanned.empty()) scanned.back().second = t;
      was = is;
    }
    ASSERT_GE(scanned.size(), 2u);
    const auto found = FindTablePasses(CandidatesOf(state.Elements, state.Models, state.SatCount), state.Station,
                                       {start, 86400, 0, state.Config->horizon}, k);
    std::vector<std::pair<std::int64_t, std::int64_t>> listed;
    for (const Pass& p : found.front().search.passes) listed.push_back({p.aos.time, p.los.time});
    EXPECT_EQ(listed, scanned);

    // `passes --summary` (the calendar is checked against it elsewhere).
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"passes", "--summary", "--days", "1", std::to_string(k), "11/05/2026", "12:00:00"}, dir.path(),
                     out, err), 0) << err.str();
    for (const auto& [aos, los] : scanned) {
      EXPECT_NE(out.str().find(IsoUtc(aos) + ","), std::string::npos) << IsoUtc(aos);
      EXPECT_NE(out.str().find(IsoUtc(los) + ","), std::string::npos) << IsoUtc(los);
    }

    // The sky view, the rotor waiting for the rise, the radio 2 minutes before it.
    const auto [aos, los] = scanned[1];
    const auto sky = FindPass(*model, engine, CivilFromUnix(scanned[0].second + 1), 24, kMask);
    ASSERT_TRUE(sky && sky->aos && sky->los);
    EXPECT_EQ(std::pair(UnixSeconds(sky->aos->utc), UnixSeconds(sky->los->utc)), scanned[1]);
    PassPlanner planner{state.Config->rotor.settings};
    ASSERT_TRUE(planner.Step(SatelliteSky(state.Station, model), aos - 200.5));
    EXPECT_EQ(planner.Plan().value().aos, aos);
    EXPECT_EQ(planner.Plan()->los, aos + 10 * ((los - aos) / 10 + 1));  // the first 10-s sample below the mask
    Kv250Follow kv250(kMask);
    std::int64_t first = aos - 5;
    while (first < los && !kv250.Step(SatelliteSky(state.Station, model), static_cast<double>(first))) ++first;
    EXPECT_EQ(first, aos);
    const auto radio = [&](std::int64_t t) { return RigSkyAt(engine, *model, CivilFromUnix(t), kMask).follow; };
    EXPECT_TRUE(!radio(aos - 121) && radio(aos - 120) && radio(los) && !radio(los + 1));
  }
}

}  // namespace
}  // namespace rdz
