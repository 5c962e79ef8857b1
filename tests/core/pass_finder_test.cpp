// The pass finder on the sample table and on made-up satellites.
#include <gtest/gtest.h>

#include <cmath>

#include "core/temp_dir.h"
#include "orbit/element_loader.h"
#include "passes/pass_time.h"
#include "passes/table_passes.h"

namespace rdz {
namespace {

class SamplePasses : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("amateur.txt", test::SampleFile("amateur.txt"));
    dir.Write("config.txt", test::SampleFile("config.txt"));
    state.ElementFileName = "amateur.txt";
    ASSERT_EQ(LoadElements(dir.path(), state), LoadOutcome::Loaded);
    satellites = CandidatesOf(state.Elements, state.Models, state.SatCount);
  }
  test::TempDir dir;
  TrackerState state;
  PassCandidates satellites;
};

TEST_F(SamplePasses, AGeostationarySatelliteNeverSetsAndTheListIsInTimeOrder) {
  PassOptions options;
  options.start = UnixSeconds({2026, 5, 11, 12, 0, 0});
  const auto found = FindTablePasses(satellites, state.Station, options);
  ASSERT_EQ(found.size(), satellites.names.size());
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

TEST_F(SamplePasses, HorizonComesFromConfigWithinItsRange) {
  const struct {
    const char* lines;
    std::optional<double> horizon;
  } cases[] = {
      {"HORIZON = 5\r", 5.0},
      {"HORIZON = 5\rHORIZON = 2.5 deg\r", 2.5},
      {"HORIZON = 95\r", std::nullopt},
      {"HORIZON = low\r", std::nullopt},
      {"HORIZON=5\r", std::nullopt},
  };
  for (const auto& c : cases) {
    dir.Write("config.txt", c.lines);
    EXPECT_EQ(ReadHorizon(dir.path()), c.horizon) << c.lines;
  }
}

}  // namespace
}  // namespace rdz
