// The fast search of a whole catalog against a second-by-second scan of the
// same models, and the same list from one thread as from two.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <sstream>

#include "programs/cli/cli.h"

#include "core/temp_dir.h"
#include "core/passes/catalog_passes.h"
#include "core/passes/pass_time.h"
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

// The search found every pass of a minute or longer that the scan found, to
// the second, with its highest elevation, and nothing else.
void ExpectScanned(const PassSearch& found, const std::vector<ScanPass>& scan, const std::string& name) {
  for (const ScanPass& s : scan) {
    const auto it = std::find_if(found.passes.begin(), found.passes.end(),
                                 [&](const Pass& p) { return p.aos.time == s.aos; });
    const bool same = it != found.passes.end() && it->los.time == s.los;
    EXPECT_TRUE(same || s.los - s.aos < 60) << name << " " << IsoUtc(s.aos) << " " << IsoUtc(s.los);
    EXPECT_TRUE(!same || std::fabs(it->tca.elevation - s.top) <= 0.01) << name << " " << IsoUtc(s.aos);
  }
  for (const Pass& p : found.passes) {
    EXPECT_TRUE(std::any_of(scan.begin(), scan.end(), [&](const ScanPass& s) {
      return s.aos == p.aos.time && s.los == p.los.time;
    })) << name << " found " << IsoUtc(p.aos.time);
  }
}

struct Catalog {
  const char* what;
  std::string text;
  std::size_t sets;
  HorizonMask mask;
};

// A published deep-space set (12 h, e = 0.69), epoch moved to the span, and
// a made-up one whose perigee, 60 km up, comes down to the ground in it.
const char kMolniya[] =
    "MOLNIYA 1-29\r\n"
    "1 08195U 75081A   26130.33215444  .00000099  00000-0  11873-3 0   815\r\n"
    "2 08195  64.1586 279.0717 6877146 264.7651  20.2257  2.00491383225656\r\n"
    "DECAYING\r\n1 99901U 06001A   26131.00000000  .00500000  00000-0  10000-3 0  9997\r\n"
    "2 99901  51.6000 120.0000 1000000 200.0000 180.0000 14.34916411    12\r\n";

TEST(CatalogPasses, MatchASecondBySecondScanAndDoNotDependOnTheThreads) {
  // A mast at 91-93 degrees: passes dip behind it for seconds.
  const HorizonMask mask({{0, 3}, {90, 12}, {91, 20}, {93, 20}, {94, 2}, {200, 0}, {300, 8}});
  const Catalog catalogs[] = {
      {"own model", test::FileText(RDZ_SAMPLE_DIR "/amateur.txt"), 120, 0.0},
      {"SGP4", test::FileText(RDZ_PASS_FIXTURES "/amateur-2026-05-11.tle"), 160, 0.0},
      {"SGP4, a horizon below zero", test::FileText(RDZ_PASS_FIXTURES "/amateur-2026-05-11.tle"), 40, -1.5},
      {"SGP4, with a mask", test::FileText(RDZ_PASS_FIXTURES "/amateur-2026-05-11.tle"), 120, mask},
      {"SDP4 and a decaying set, with a mask", kMolniya, 6, mask},
      {"SDP4 and a decaying set", kMolniya, 6, 0.0},
  };
  const Observer station{45.6, 9.2, 250};
  const EngineContext engine = SetupEngine(station);
  for (const Catalog& c : catalogs) {
    SCOPED_TRACE(c.what);
    const PassCandidates sats =
        CandidatesOfFile(test::ShiftedCatalog(ReadElementSets(c.text), c.sets));
    PassOptions options;
    options.start = UnixSeconds({2026, 5, 11, 12, 0, 0});
    options.horizon = c.mask;
    // Passes that stay below zero count too, under a horizon below it.
    options.minElevation = std::min(0.0, c.mask.Lowest());
    const auto one = FindAllPasses(sats, station, options, 1);
    const auto two = FindAllPasses(sats, station, options, 2);
    ASSERT_EQ(one.size(), sats.names.size());
    const auto times = [](const std::vector<SatellitePasses>& found) {
      std::vector<std::array<std::int64_t, 4>> t;
      for (const PassRow& r : TimeOrdered(found)) t.push_back({r.number, r.pass.aos.time, r.pass.tca.time, r.pass.los.time});
      return t;
    };
    EXPECT_EQ(times(one), times(two));
    int compared = 0;
    for (std::size_t i = 0; i < one.size(); ++i) {
      const PassSearch& found = one[i].search;
      if (found.visibility != Visibility::Passes) continue;
      const SatelliteTrack track = ModelTrack(engine, *sats.models[i], options.start - kPassLookAround,
                                              options.start + options.seconds + kPassLookAround);
      const auto scan = Scan(track, c.mask, options.start, options.start + options.seconds);
      ExpectScanned(found, scan, one[i].name);
      compared += static_cast<int>(scan.size());
    }
    EXPECT_GT(compared, static_cast<int>(c.sets));
  }
  // A cancelled search stops, whatever it has done.
  SearchProgress cancelled;
  cancelled.cancel = true;
  EXPECT_TRUE(FindAllPasses(CandidatesOfFile(ReadElementSets(catalogs[0].text)), station,
                            PassOptions{}, 2, &cancelled).empty());
}

// Copies from the large catalog that come back within reach soon after a
// pass: a bound on the next revolution taken before the satellite has drawn
// out of reach steps over their next pass.
TEST(CatalogPasses, SetsBackInReachSoonAfterAPassAreFollowed) {
  const auto sats = CandidatesOfFile(test::ShiftedCatalog(
      ReadElementSets(test::FileText(RDZ_PASS_FIXTURES "/amateur-2026-05-11.tle")), 8209));
  const struct {
    Observer station;
    std::size_t set;
  } cases[] = {{{-33.9, 18.4, 100}, 5523}, {{0.5, -60, 100}, 8208}};
  PassOptions options;
  options.start = UnixSeconds({2026, 5, 11, 12, 0, 0});
  for (const auto& c : cases) {
    const EngineContext engine = SetupEngine(c.station);
    const SatelliteTrack track = ModelTrack(engine, *sats.models[c.set], options.start - kPassLookAround,
                                            options.start + options.seconds + kPassLookAround);
    const auto scan = Scan(track, 0.0, options.start, options.start + options.seconds);
    EXPECT_GT(scan.size(), 5u);
    ExpectScanned(FindPasses(track, options), scan, sats.names[c.set]);
  }
}

// Every set of the file, not only the table's 80; six-digit catalog numbers
// from a two-line set (alpha-5) and from OMM; sets that cannot be computed counted.
TEST(CatalogPasses, CommandListsEverySetOfTheFileWithItsCatalogNumber) {
  test::TempDir dir;
  dir.Write("amateur.txt", test::SampleFile("amateur.txt"));
  dir.Write("config.txt", test::SampleFile("config.txt"));
  dir.Write("alpha5.txt",
            "ISS COPY\r\n1 Z9999U 00000A   26131.16675675  .00005444  00000-0  10888-3 0  9997\r\n"
            "2 Z9999  51.6310 123.3566 0007470  46.3627 313.7980 15.49181925566010\r\n"
            "NO ORBIT\r\n1 07530U 00000A   26131.02828537 -.00000034  00000-0 -68000-6 0  9992\r\n"
            "2 07530 101.9918 143.8856 0012125 200.3561 181.7211  0.00000000355867\r\n");
  dir.Write("omm.csv",
            "OBJECT_NAME,OBJECT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
            "ARG_OF_PERICENTER,MEAN_ANOMALY,EPHEMERIS_TYPE,CLASSIFICATION_TYPE,NORAD_CAT_ID,"
            "ELEMENT_SET_NO,REV_AT_EPOCH,BSTAR,MEAN_MOTION_DOT,MEAN_MOTION_DDOT\n"
            "\"NEW, SIX DIGITS\",2026-080A,2026-05-11T00:40:43.854000,15.49,0.0003,51.63,120.0,"
            "80.0,280.0,0,U,123456,999,100,0.0002,0.0001,0\n");
  const auto run = [&](std::vector<std::string> args, std::string* errText = nullptr) {
    args.insert(args.end(), {"--dir", dir.path().string(), "11/05/2026", "12:00:00"});
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(args, dir.path(), out, err), 0) << err.str();
    if (errText) *errText = err.str();
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  };
  const auto catalog = run({"passes", "--summary", "--catalog"});
  ASSERT_FALSE(catalog.empty());
  EXPECT_EQ(catalog[0], "catalog,name,aos_utc,aos_az,tca_utc,tca_az,max_el,los_utc,los_az,duration_s");
  // The table's passes are among them, by the same search (the table's names are cut to 9).
  const auto after = [](const std::string& line, int fields) {
    std::size_t at = 0;
    for (int i = 0; i < fields; ++i) at = line.find(',', at) + 1;
    return line.substr(at);
  };
  auto table = run({"passes", "--summary", "all"});
  std::set<std::string> sets;
  for (std::size_t i = 1; i < catalog.size(); ++i) {
    table.erase(std::remove_if(table.begin() + 1, table.end(),
                               [&](const std::string& t) { return after(t, 1) == after(catalog[i], 2); }),
                table.end());
    sets.insert(catalog[i].substr(0, catalog[i].find(',')));
  }
  EXPECT_EQ(table.size(), 1u);
  EXPECT_GT(sets.size(), 80u);

  const struct {
    const char* file;
    const char* line;  // how a pass's line starts
    const char* err;
  } cases[] = {
      {"alpha5.txt", "339999,ISS COPY,", "1 of 2 sets cannot be computed"},
      {"omm.csv", "123456,\"NEW, SIX DIGITS\",", ""},
  };
  for (const auto& c : cases) {
    std::string err;
    const auto lines = run({"passes", "--summary", "--catalog", "--days", "1", "--file", c.file}, &err);
    ASSERT_GE(lines.size(), 3u) << c.file;
    EXPECT_TRUE(std::all_of(lines.begin() + 1, lines.end(), [&](const std::string& l) {
      return l.rfind(c.line, 0) == 0;
    })) << lines[1];
    EXPECT_NE(err.find(c.err), std::string::npos) << err;
  }
}

}  // namespace
}  // namespace rdz
