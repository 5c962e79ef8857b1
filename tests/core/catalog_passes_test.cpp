// The fast search of a whole catalog against a second-by-second scan of the
// same models, and the same list from one thread as from two.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/temp_dir.h"
#include "passes/catalog_passes.h"
#include "passes/pass_time.h"
#include "shifted_catalog.h"

namespace rdz {
namespace {

struct ScanPass {
  std::int64_t aos = 0, los = 0;
  double top = -90;
};

// Runs of seconds at or above the mask. Far below it a scan finds nothing for
// a while: no satellite's elevation changes by 2 degrees a second there.
std::vector<ScanPass> Scan(const SatelliteTrack& track, const HorizonMask& mask, std::int64_t start,
                           std::int64_t end) {
  const auto height = [&](std::int64_t t) {
    const auto a = track.look(t);
    return a ? a->elevation - mask.At(a->azimuth) : -180.0;
  };
  const auto elevation = [&](std::int64_t t) { return track.look(t)->elevation; };
  std::vector<ScanPass> out;
  for (std::int64_t t = start; t < end;) {
    const double h = height(t);
    if (h < 0) {
      const double below = track.look(t) ? track.look(t)->elevation - mask.Lowest() : -2.0;
      t += below < -2 ? static_cast<std::int64_t>(-below / 2) : 1;
      continue;
    }
    ScanPass p{t, t, elevation(t)};
    while (p.aos > start - kPassLookAround && height(p.aos - 1) >= 0) p.top = std::max(p.top, elevation(--p.aos));
    while (p.los < end + kPassLookAround && height(p.los + 1) >= 0) p.top = std::max(p.top, elevation(++p.los));
    out.push_back(p);
    t = p.los + 1;
  }
  return out;
}

struct Catalog {
  const char* what;
  const char* file;
  HorizonMask mask;
};

TEST(CatalogPasses, MatchASecondBySecondScanAndDoNotDependOnTheThreads) {
  const Catalog catalogs[] = {
      {"own model", RDZ_SAMPLE_DIR "/amateur.txt", 0.0},
      {"SGP4, with a mask", RDZ_PASS_FIXTURES "/amateur-2026-05-11.tle",
       HorizonMask({{0, 3}, {90, 12}, {200, 0}, {300, 8}})},
  };
  Observer station;
  station.LA = 45.6;
  station.LO = 9.2;
  station.HT = 250;
  const EngineContext engine = SetupEngine(station);
  for (const Catalog& c : catalogs) {
    SCOPED_TRACE(c.what);
    const PassCandidates sats =
        CandidatesOfFile(test::ShiftedCatalog(ReadElementSets(test::FileText(c.file)), 150));
    PassOptions options;
    options.start = UnixSeconds({2026, 5, 11, 12, 0, 0});
    options.horizon = c.mask;
    const auto one = FindAllPasses(sats, station, options, 1);
    const auto two = FindAllPasses(sats, station, options, 2);
    ASSERT_EQ(one.size(), sats.names.size());
    int compared = 0;
    for (std::size_t i = 0; i < one.size(); ++i) {
      const PassSearch& found = one[i].search;
      ASSERT_EQ(found.passes.size(), two[i].search.passes.size());
      for (std::size_t k = 0; k < found.passes.size(); ++k) {
        const Pass &a = found.passes[k], &b = two[i].search.passes[k];
        EXPECT_TRUE(a.aos.time == b.aos.time && a.los.time == b.los.time && a.tca.time == b.tca.time);
      }
      if (found.visibility != Visibility::Passes) continue;
      const SatelliteTrack track = ModelTrack(engine, *sats.models[i], options.start - kPassLookAround,
                                              options.start + options.seconds + kPassLookAround);
      const auto scan = Scan(track, c.mask, options.start, options.start + options.seconds);
      for (const ScanPass& s : scan) {
        const auto it = std::find_if(found.passes.begin(), found.passes.end(),
                                     [&](const Pass& p) { return p.aos.time == s.aos; });
        const bool same = it != found.passes.end() && it->los.time == s.los;
        EXPECT_TRUE(same || s.los - s.aos < 60) << one[i].name << " " << IsoUtc(s.aos) << " " << IsoUtc(s.los);
        if (same) EXPECT_NEAR(it->tca.elevation, s.top, 0.01) << one[i].name << " " << IsoUtc(s.aos);
      }
      for (const Pass& p : found.passes) {
        EXPECT_TRUE(std::any_of(scan.begin(), scan.end(), [&](const ScanPass& s) {
          return s.aos == p.aos.time && s.los == p.los.time;
        })) << one[i].name << " found " << IsoUtc(p.aos.time);
      }
      compared += static_cast<int>(scan.size());
    }
    EXPECT_GT(compared, 1000);
  }
}

}  // namespace
}  // namespace rdz
