// The pass finder against a scan of every second, on the sample satellites.
#include <gtest/gtest.h>

#include <cmath>

#include "core/temp_dir.h"
#include "orbit/element_loader.h"
#include "orbit/settings_in_use.h"
#include "passes/pass_time.h"
#include "passes/table_passes.h"

namespace rdz {
namespace {

struct BrutePass {
  std::int64_t aos = 0, los = 0;
  double maxEl = -90;
};

// Every second from an hour before the span to an hour after it.
std::vector<BrutePass> ScanEverySecond(const SatelliteTrack& track, std::int64_t start,
                                       std::int64_t end, double horizon) {
  std::vector<BrutePass> passes;
  bool up = false;
  for (std::int64_t t = start - 3600; t <= end + 3600; ++t) {
    const auto a = track.look(t);
    const bool now = a && a->elevation >= horizon;
    if (now && !up) passes.push_back({t, t, -90});
    if (now) {
      passes.back().los = t;
      passes.back().maxEl = std::max(passes.back().maxEl, a->elevation);
    }
    up = now;
  }
  std::erase_if(passes, [&](const BrutePass& p) { return p.aos >= end || p.los < start; });
  return passes;
}

class SamplePasses : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("amateur.txt", test::SampleFile("amateur.txt"));
    state.ElementFileName = "amateur.txt";
    UseSettings(state, SettingsFromBytes(test::SampleFile("config.txt")));
    ASSERT_EQ(LoadElements(dir.path(), state), LoadOutcome::Loaded);
    for (int k = 1; k <= state.SatCount; ++k) satellites.push_back(state.Elements[k]);
    engine = SetupEngine(state.Station);
  }
  test::TempDir dir;
  TrackerState state;
  std::vector<ElementSet> satellites;
  EngineContext engine;
};

struct BruteCase {
  const char* what;
  int sat;
  CivilTime start;
  std::int64_t seconds;
  double horizon, minElevation;
};

TEST_F(SamplePasses, MatchTheSecondBySecondScanToTheSecondAndTheHundredthOfADegree) {
  const BruteCase cases[] = {
      {"ISS, high and low passes", 6, {2026, 5, 11, 12, 0, 0}, 14 * 3600, 0, 0},
      {"ISS under way at both ends", 6, {2026, 5, 11, 18, 10, 0}, 5700, 0, 0},
      {"ISS above 10, at least 20", 6, {2026, 5, 11, 12, 0, 0}, 14 * 3600, 10, 20},
      {"TEVEL2-5 across the year's end", 71, {2026, 12, 31, 23, 0, 0}, 2 * 3600, 0, 0},
      {"PO-101, a pass under two minutes", 32, {2026, 12, 31, 21, 0, 0}, 2 * 3600, 0, 0},
      {"AO-07, a higher orbit", 1, {2026, 5, 11, 0, 0, 0}, 12 * 3600, 0, 0},
  };
  bool high = false, low = false, brief = false, newYear = false, atStart = false, atEnd = false;
  for (const BruteCase& c : cases) {
    SCOPED_TRACE(c.what);
    PassOptions options{UnixSeconds(c.start), c.seconds, c.minElevation, c.horizon};
    const std::int64_t end = options.start + c.seconds;
    const auto found = FindTablePasses(satellites, state.Station, options, c.sat);
    ASSERT_EQ(found.size(), 1u);
    const auto& passes = found[0].search.passes;
    auto brute = ScanEverySecond(EngineTrack(engine, satellites[c.sat - 1], 0, 0),
                                 options.start, end, c.horizon);
    // Shorter than the scan's fine step a pass may slip through; a minute never does.
    std::erase_if(brute, [&](const BrutePass& p) {
      return p.maxEl < c.minElevation ||
             (p.los - p.aos < 60 && std::none_of(passes.begin(), passes.end(), [&](const Pass& f) {
                return std::abs(f.aos.time - p.aos) <= 1;
              }));
    });
    ASSERT_EQ(passes.size(), brute.size());
    for (std::size_t i = 0; i < passes.size(); ++i) {
      const Pass& p = passes[i];
      EXPECT_NEAR(p.aos.time, brute[i].aos, 1) << IsoUtc(brute[i].aos);
      EXPECT_NEAR(p.los.time, brute[i].los, 1) << IsoUtc(brute[i].los);
      EXPECT_NEAR(p.tca.elevation, brute[i].maxEl, 0.05) << IsoUtc(brute[i].aos);
      EXPECT_TRUE(p.tca.time >= p.aos.time && p.tca.time <= p.los.time);
      EXPECT_GE(p.aos.elevation, c.horizon);
      high |= p.tca.elevation > 70;
      low |= p.tca.elevation < 5;
      brief |= p.Duration() < 120;
      newYear |= CivilFromUnix(p.aos.time).year != CivilFromUnix(p.los.time).year;
      atStart |= p.aos.time < options.start;
      atEnd |= p.los.time >= end;
    }
  }
  // The cases still hold what they are meant to show.
  EXPECT_TRUE(high && low && brief && newYear && atStart && atEnd);
}

TEST_F(SamplePasses, AGeostationarySatelliteNeverSetsAndTheListIsInTimeOrder) {
  PassOptions options;
  options.start = UnixSeconds({2026, 5, 11, 12, 0, 0});
  const auto found = FindTablePasses(satellites, state.Station, options);
  ASSERT_EQ(found.size(), satellites.size());
  EXPECT_EQ(found[32].name, "QO-100");
  EXPECT_EQ(found[32].search.visibility, Visibility::NeverSets);
  EXPECT_TRUE(found[32].search.passes.empty());

  const auto rows = TimeOrdered(found);
  std::size_t total = 0;
  for (const auto& s : found) total += s.search.passes.size();
  ASSERT_EQ(rows.size(), total);
  EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const PassRow& a, const PassRow& b) {
    return a.pass.aos.time < b.pass.aos.time;
  }));
  // The next pass of a satellite is its first that has not ended, even one under way.
  const auto second = std::find_if(rows.begin() + rows.size() / 2, rows.end(),
                                   [](const PassRow& r) { return r.number == 6; });
  ASSERT_NE(second, rows.end());
  EXPECT_EQ(NextPassOf(rows, 6, second->pass.los.time), second - rows.begin());
  EXPECT_EQ(NextPassOf(rows, 6, rows.back().pass.los.time + 1), std::nullopt);
}

// A made-up satellite: elevation as a function of time, failing where asked.
SatelliteTrack Made(std::function<double(std::int64_t)> elevation,
                    std::function<bool(std::int64_t)> fails = {}) {
  SatelliteTrack track;
  track.look = [=](std::int64_t t) -> std::optional<LookAngles> {
    if (fails && fails(t)) return std::nullopt;
    return LookAngles{180, elevation(t), 2000};
  };
  return track;
}

TEST(PassFinder, ReportsSatellitesThatNeverRiseNeverSetOrCannotBeComputed) {
  const auto wave = [](std::int64_t t) { return 30 * std::sin(t * 2 * 3.14159265 / 5400) - 10; };
  const struct {
    SatelliteTrack track;
    Visibility visibility;
    std::size_t passes;
    bool failures;
  } cases[] = {
      {Made([](std::int64_t) { return -5.0; }), Visibility::NeverRises, 0, false},
      {Made([](std::int64_t) { return 30.0; }), Visibility::NeverSets, 0, false},
      {Made([](std::int64_t) { return 30.0; }, [](std::int64_t) { return true; }),
       Visibility::Failed, 0, true},
      // 16 passes in the day; the instants of the second cannot be computed.
      {Made(wave, [](std::int64_t t) { return t >= 5400 && t < 10800; }), Visibility::Passes, 15,
       true},
      {Made(wave), Visibility::Passes, 16, false},
  };
  for (const auto& c : cases) {
    PassOptions options;
    options.seconds = 86400;
    const PassSearch s = FindPasses(c.track, options);
    EXPECT_EQ(s.visibility, c.visibility);
    EXPECT_EQ(s.passes.size(), c.passes);
    EXPECT_EQ(s.failedPropagations > 0, c.failures);
    for (const Pass& p : s.passes) {
      if (c.failures) {
        EXPECT_TRUE(p.los.time < 5400 || p.aos.time >= 10800) << p.aos.time;
      }
      EXPECT_NEAR(p.tca.elevation, 20, 0.01);
    }
  }
}

}  // namespace
}  // namespace rdz
