#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include <thread>

#include "core/sky/sky_bodies.h"
#include "core/map/footprint.h"
#include "core/map/scene.h"
#include "core/sky/sky.h"
#include "core/map/track.h"
#include "core/table/map_marker.h"

namespace rdz {
namespace {

ElementSet Elements(double epochDay, double incl, double raan, double anomaly, double motion,
                    int year = 2026) {
  return {.Name = " TEST    ", .EpochYear = static_cast<double>(year), .EpochDay = epochDay,
          .Inclination = incl, .Raan = raan, .Eccentricity = 0.0007, .ArgPerigee = 46.0,
          .MeanAnomaly = anomaly, .MeanMotion = motion, .DecayRate = 0, .EpochRev = 1000};
}
ElementSet Iss() { return Elements(131.16675675, 51.6310, 123.3566, 313.7980, 15.49181925); }
const Observer kLugano{46.5, 8.95, 273};

// Even-odd rule on the plain lat/lon plane of the map, the polygon also shifted by a turn.
bool Inside(const GeoLine& poly, const GeoPoint& p) {
  return std::ranges::any_of(std::array{p.lon - 360, p.lon, p.lon + 360}, [&](double lon) {
    bool in = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
      const GeoPoint &a = poly[i], &b = poly[j];
      if ((a.lat > p.lat) != (b.lat > p.lat) && lon < a.lon + (p.lat - a.lat) * (b.lon - a.lon) / (b.lat - a.lat)) in = !in;
    }
    return in;
  });
}

// Every map point well inside the circle is inside the polygon and every one
// well outside is outside.
void ExpectCovers(const GeoLine& poly, const GeoPoint& centre, double radius) {
  int checked = 0;
  for (double lat = -88.5; lat < 89; lat += 3) {
    for (double lon = -178.5; lon < 180; lon += 3) {
      const double d = CentralAngle({lat, lon}, centre);
      if (std::fabs(d - radius) < 1.5) continue;
      ASSERT_EQ(Inside(poly, {lat, lon}), d < radius) << lat << " " << lon;
      ++checked;
    }
  }
  EXPECT_GT(checked, 5000);
}

TEST(MapFootprint, OutlineCoversTheCircleToTheHorizonAcrossPolesAndTheDateLine) {
  EXPECT_EQ(FootprintRadius(-3), 0);
  EXPECT_NEAR(FootprintRadius(model::EarthRadius), 60.0, 1e-9);  // acos(1/2)
  EXPECT_NEAR(FootprintRadius(420.0), 20.25, 0.01);
  // Plain, across the date line both ways, either pole inside, geostationary.
  for (const auto& [centre, height] : {std::pair<GeoPoint, double>{{45, 0}, 800}, {{10, 178}, 1500},
                                       {{-20, -175}, 1500}, {{78, 40}, 1500}, {{-84, -170}, 800},
                                       {{0, 100}, 35786}}) {
    SCOPED_TRACE(testing::Message() << centre.lat << "," << centre.lon);
    const GeoLine poly = FootprintOnMap(centre, height);
    // Continuous, except along the pole's own edge of the map.
    for (std::size_t i = 1; i < poly.size(); ++i)
      ASSERT_TRUE(std::fabs(poly[i].lat) == 90.0 || std::fabs(poly[i].lon - poly[i - 1].lon) < 180.0) << i;
    ExpectCovers(poly, centre, FootprintRadius(height));
  }
}

TEST(MapFootprint, LinesAreCutAtTheDateLineAtTheCrossing) {
  EXPECT_EQ(SplitAtDateLine({{0, 170}, {10, -170}, {12, -160}}),
            (std::vector<GeoLine>{{{0, 170}, {5, 180}}, {{5, -180}, {10, -170}, {12, -160}}}));
  EXPECT_EQ(SplitAtDateLine({{-10, -175}, {-20, 175}}),
            (std::vector<GeoLine>{{{-10, -175}, {-15, -180}}, {{-15, 180}, {-20, 175}}}));
  EXPECT_EQ(SplitAtDateLine({{0, 10}, {1, 20}}).size(), 1u);
}

TEST(MapTrack, PointsAreTheModelsSubSatellitePointsOverTwoRevolutions) {
  const KeplerModel iss(Iss());
  const auto engine = SetupEngine(kLugano);
  const CivilTime utc{2026, 5, 11, 10, 0, 0};
  const double period = OrbitPeriodSeconds(iss, engine, utc).value();
  EXPECT_NEAR(period, 86400.0 / 15.49181925, 2.0);
  const int points = 120;
  const std::int64_t span = std::llround(period), step = 2 * span / points;
  std::vector<GeoPoint> flat;
  for (const GeoLine& piece : GroundTrack(iss, engine, utc, points))
    for (const GeoPoint& p : piece)
      if (std::fabs(p.lon) != 180.0) flat.push_back(p);
  ASSERT_EQ(flat.size(), static_cast<std::size_t>(2 * span / step + 1));
  for (std::size_t i = 0; i < flat.size(); i += 7) {
    const auto p = iss.At(engine, AddSeconds(utc, -span + static_cast<std::int64_t>(i) * step));
    EXPECT_EQ(flat[i], (GeoPoint{p->raw.subLatitude, p->raw.subLongitude})) << i;
  }
}

// The engine shows its Sun only through the antenna's illumination: an axis
// aimed at the sub-solar point's Sun must see it end on (illumination 0).
TEST(MapSun, SubSolarPointIsTheEnginesSun) {
  const auto engine = SetupEngine({});
  const struct {
    int year;
    double day, latNear;
  } cases[] = {{2026, 80.5, 0.0}, {2026, 172.5, 23.44}, {2026, 355.5, -23.44}, {2031, 10.25, -22.0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.day);
    const SubSolarPoint sun = SunOverhead(c.year, c.day);
    EXPECT_NEAR(sun.lat, c.latNear, 1.0);
    // Equatorial satellite on the celestial x axis at its epoch: its longitude is -GHAA.
    ElementSet probe = Elements(c.day, 0, 0, 0, 15.0, c.year);
    probe.Eccentricity = 0;
    probe.ArgPerigee = 0;
    const double sunRa = sun.lon - KeplerModel(probe).AtDay(engine, c.year, c.day).value().raw.subLongitude;
    probe.Alat = -sun.lat;
    probe.Alon = sunRa - 180.0;
    const auto p = KeplerModel(probe).AtDay(engine, c.year, c.day);
    EXPECT_LT(p->raw.illumination, 1e-3);
    // At noon UTC the Sun stands near longitude 0 (within the equation of time).
    EXPECT_TRUE(c.day - std::floor(c.day) != 0.5 || std::fabs(sun.lon) < 4.5) << sun.lon;
  }
}

TEST(MapSun, NightPolygonIsTheHalfFacingAwayFromTheSun) {
  for (const SubSolarPoint sun : {SubSolarPoint{23.4, -30}, SubSolarPoint{-23.4, 170},
                                  SubSolarPoint{0.0, 0.0}, SubSolarPoint{-0.3, -179}}) {
    SCOPED_TRACE(testing::Message() << sun.lat << "," << sun.lon);
    ExpectCovers(NightPolygon(sun), {-sun.lat, WrapLongitude(sun.lon + 180)}, 90.0);
  }
}

TEST(SkyGeometry, PolarPlotHasNorthUpEastRightAndTheZenithInTheMiddle) {
  for (const auto& [at, want] : {std::pair<AzEl, SkyXY>{{123, 90}, {0, 0}}, {{0, 0}, {0, -1}},
                                  {{90, 0}, {1, 0}}, {{180, 30}, {0, 2.0 / 3}},
                                  {{270, 60}, {-1.0 / 3, 0}}, {{0, -9}, {0, -1.1}}}) {
    EXPECT_NEAR(std::hypot(SkyPoint(at).x - want.x, SkyPoint(at).y - want.y), 0, 1e-12) << at.az << " " << at.el;
  }
}

// The kept pass answers as a new search would; it is searched again only at
// LOS, after a jump back, or for another model or station.
TEST(SkyPass, KeptPassIsReusedUntilLosOrATimeJump) {
  const auto iss = std::make_shared<KeplerModel>(Iss());
  const CivilTime start{2026, 5, 11, 0, 0, 0};
  const auto first = FindPass(*iss, SetupEngine(kLugano), start);
  ASSERT_TRUE(first && first->aos && first->los);
  const CivilTime aos = first->aos->utc, los = first->los->utc;
  const struct {
    CivilTime at;
    int searches;
  } steps[] = {{start, 1}, {AddSeconds(aos, -1), 1}, {aos, 1}, {los, 1},
               {AddSeconds(los, 1), 2}, {AddSeconds(los, 601), 2}, {start, 3}};
  SkyPassCache cache;
  for (const auto& step : steps) {
    SCOPED_TRACE(FormatTime(step.at));
    const SkyScene kept = cache.Scene("ISS", iss, kLugano, step.at);
    const SkyScene fresh = BuildSkyScene("ISS", *iss, kLugano, step.at);
    EXPECT_EQ(cache.Searches(), step.searches);
    ASSERT_TRUE(kept.pass && fresh.pass && kept.pass->los && fresh.pass->los);
    EXPECT_TRUE(kept.pass->current == fresh.pass->current && kept.pass->los->utc == fresh.pass->los->utc &&
                kept.now->el == fresh.now->el);
  }
  cache.Scene("ISS", std::make_shared<KeplerModel>(Iss()), kLugano, start);  // a reloaded table
  cache.Scene("ISS", iss, Observer{0.0, 0.0, 0.0}, start);
  EXPECT_EQ(cache.Searches(), 5);
}

TEST(SkyPass, GeostationarySatellitesAreAlwaysUpOrNeverPass) {
  ElementSet geo = Elements(131.0, 0, 0, 0, 1.00273791);
  geo.Eccentricity = 0;
  const KeplerModel model(geo);
  const CivilTime utc{2026, 5, 11, 0, 0, 0};
  const double lon = model.At(SetupEngine({}), utc)->raw.subLongitude;
  const auto seen = FindPass(model, SetupEngine({40.0, lon, 0}), utc, 3.0);
  EXPECT_TRUE(seen && seen->current && !seen->aos && !seen->los);
  EXPECT_FALSE(FindPass(model, SetupEngine({0.0, WrapLongitude(lon + 180), 0}), utc, 3.0));
}

TEST(MapScene, SelectionFallsBackToSatelliteOneAndMarksUpByTheTablesRule) {
  ElementTable table;
  table[1] = Iss();
  table[2] = Elements(131.0, 98.0, 20.0, 10.0, 14.2);
  const OrbitModels models = MakeOrbitModels(table, 2);
  const auto engine = SetupEngine(kLugano);
  // At the top of a pass of satellite 1 over the station, and at its rise.
  const auto pass = FindPass(*models[0], engine, {2026, 5, 11, 0, 0, 0}).value();
  const CivilTime utc = pass.highest.utc;
  for (const auto& [asked, chosen] : {std::pair{2, 1}, std::pair{0, 0}, std::pair{7, 0}}) {
    const MapScene scene = BuildMapScene(table, models, kLugano, utc, asked);
    ASSERT_EQ(scene.satellites.size(), 2u);
    EXPECT_EQ(scene.selected, chosen);
    const auto p = models[static_cast<std::size_t>(chosen)]->At(engine, utc);
    EXPECT_EQ(scene.footprint, FootprintOnMap({p->raw.subLatitude, p->raw.subLongitude}, p->raw.height));
    EXPECT_TRUE(scene.satellites[0].name == "TEST" && scene.satellites[0].up);
    EXPECT_EQ(scene.satellites[1].up, models[1]->At(engine, utc)->state.EL > 0);
  }
  EXPECT_EQ(BuildMapScene(table, models, kLugano, utc, 1).station, (GeoPoint{46.5, 8.95}));
  // At the rise the elevation is a hair above 0, which the table still rounds to 0.
  EXPECT_FALSE(BuildMapScene(table, models, kLugano, pass.aos.value().utc, 1).satellites[0].up);
}

TEST(MapMarker, CentreLiesOnThePointHeldOnTheMapAndNothingWithoutAPoint) {
  EXPECT_EQ(MarkerOnPoint("   0", "   0", 100, 100), (TwipsPoint{3550, 1750}));
  EXPECT_EQ(MarkerOnPoint(" -45", "-180", 100, 100), (TwipsPoint{-50, 2650}));
  EXPECT_EQ(MarkerOnPoint("0", "0", 135, 135), (TwipsPoint{3532, 1732}));  // halves to even
  EXPECT_EQ(MarkerOnPoint("95", "200", 0, 0), (TwipsPoint{7200, 0}));
  EXPECT_EQ(MarkerOnPoint("-1e300", "-1e300", 0, 0), (TwipsPoint{0, 3600}));
  EXPECT_FALSE(MarkerOnPoint("0", "", 135, 135));
  EXPECT_FALSE(MarkerOnPoint("LA", "0", 135, 135));
  EXPECT_FALSE(MarkerOnPoint("1e999", "0", 135, 135));
}

TEST(SkyBodies, EachDayAndStationGetsItsOwnPaths) {
  const Observer turin{45.07, 7.69, 240}, sydney{-33.87, 151.21, 20};
  const CivilTime day1{2026, 6, 21, 12, 0, 0}, day2{2026, 12, 21, 12, 0, 0};
  // Asked after another day or station, the paths are those of a first asking.
  const auto fresh = [](const Observer& s, const CivilTime& t) {
    std::vector<SkyBodyView> v;
    std::thread([&] { v = SkyBodiesSeen(s, t); }).join();
    return v;
  };
  SkyBodiesSeen(turin, day1);
  const auto later = SkyBodiesSeen(turin, day2);
  const auto elsewhere = SkyBodiesSeen(sydney, day2);
  for (std::size_t b = 0; b < 2; ++b) {
    EXPECT_EQ(later[b].path.size(), fresh(turin, day2)[b].path.size());
    ASSERT_FALSE(later[b].path.empty());
    EXPECT_EQ(later[b].path[0][0].az, fresh(turin, day2)[b].path[0][0].az);
    EXPECT_EQ(elsewhere[b].path[0][0].el, fresh(sydney, day2)[b].path[0][0].el);
  }
}

}  // namespace
}  // namespace rdz
