#include "core/orbit/engine.h"
#include "core/load/element_loader.h"
#include "core/base/text_lines.h"
#include "core/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <bit>
#include <limits>
#include <vector>

namespace rdz {
namespace {

ElementSet Elements(double epochDay, double incl, double raan, double ecc, double argp,
                    double anomaly, double motion, double decay, double rev) {
  return {.Name = "", .EpochYear = 2026, .EpochDay = epochDay, .Inclination = incl,
          .Raan = raan, .Eccentricity = ecc, .ArgPerigee = argp, .MeanAnomaly = anomaly,
          .MeanMotion = motion, .DecayRate = decay, .EpochRev = rev};
}
// Copied from data/amateur.txt.
ElementSet Iss() {
  return Elements(131.16675675, 51.6310, 123.3566, 0.0007470, 46.3627, 313.7980, 15.49181925,
                  5.444e-05, 56601);
}
ElementSet Geostationary() { return Elements(131.0, 0, 0, 0, 0, 0, 1.00273791, 0, 100); }

const Observer kLugano{46.5, 8.95, 273};

Propagation At(const EngineContext& engine, const ElementSet& sat, double tn, int year = 2026) {
  auto p = KeplerModel(sat).AtDay(engine, year, tn);
  EXPECT_TRUE(p.has_value()) << "tn " << tn;
  return p.value_or(Propagation{});
}

// Turns an equatorial satellite's node so that it stands over `longitude` at day tn.
ElementSet PlacedOver(ElementSet sat, double longitude, double tn) {
  const auto engine = SetupEngine({});
  for (int i = 0; i < 3; ++i) sat.Raan += longitude - At(engine, sat, tn).raw.subLongitude;
  return sat;
}

TEST(EngineCalendar, DayCountsOfLeapAndCenturyYears) {
  const auto engine = SetupEngine({});
  // 2100: no century rule.
  EXPECT_EQ((std::vector<int>{YearDayCount(2001) - YearDayCount(2000), DayOfYear(engine, 2003, 3, 1),
                         DayOfYear(engine, 2100, 3, 1)}), (std::vector{366, 60, 61}));
}

// Straight overhead, elevation and squint sit at the ends of asin's domain, where
// rounding can push the arguments a hair past 1; several longitudes make that likely.
TEST(EngineGeometry, OverheadSatelliteAndSquintLimits) {
  struct Case { double anomaly, alon; int squint; };
  // The default attitude (alon 180) points at the Earth at apogee, away from it at perigee;
  // alon 90 points against the motion at perigee.
  const Case cases[] = {{0, 180, 180}, {180, 180, 0}, {90, 90, 0}, {270, 90, 180}};
  for (int lon = -165; lon <= 180; lon += 30) {
    const auto engine = SetupEngine(Observer{0.0, double(lon), 0.0});
    for (const Case& c : cases) {
      ElementSet sat = Geostationary();
      sat.MeanAnomaly = c.anomaly;
      sat.Alon = c.alon;
      const auto p = At(engine, PlacedOver(sat, lon, 131.0), 131.0);
      EXPECT_EQ(p.state.EL, 90) << lon;
      EXPECT_EQ(p.state.SQ, c.squint) << lon << " " << c.anomaly;
      EXPECT_GE(p.raw.range, p.raw.height - 1e-6);
    }
  }
}

ElementSet IssWith(double ElementSet::*field, double value) { ElementSet s = Iss(); s.*field = value; return s; }

bool Fails(const ElementSet& sat, double tn = 131.5, const Observer& station = kLugano) {
  return !KeplerModel(sat).AtDay(SetupEngine(station), 2026, tn).has_value();
}

TEST(EngineFailure, ImpossibleInputsGiveNothingAndHugeOnesStayInTheShownRanges) {
  for (double v : {0.0, -1.0, 1e-20}) EXPECT_TRUE(Fails(IssWith(&ElementSet::MeanMotion, v))) << v;
  for (double v : {1.0, 1.5}) EXPECT_TRUE(Fails(IssWith(&ElementSet::Eccentricity, v))) << v;
  const double inf = std::numeric_limits<double>::infinity();
  for (double v : {std::numeric_limits<double>::quiet_NaN(), inf, -inf}) {
    for (auto field : {&ElementSet::EpochYear, &ElementSet::EpochDay, &ElementSet::Inclination,
                       &ElementSet::Raan, &ElementSet::Eccentricity, &ElementSet::ArgPerigee,
                       &ElementSet::MeanAnomaly, &ElementSet::MeanMotion, &ElementSet::DecayRate,
                       &ElementSet::EpochRev, &ElementSet::SemiAxis, &ElementSet::Alat,
                       &ElementSet::Alon}) {
      EXPECT_TRUE(Fails(IssWith(field, v))) << v;
    }
    EXPECT_TRUE(Fails(Iss(), v) && Fails(Iss(), 131.5, {v, 8.95, 0.0}) && Fails(Iss(), 131.5, {46.5, 8.95, v}));
  }
  // Extreme but finite inputs must either fail or stay within the shown ranges.
  std::vector<ElementSet> sets{IssWith(&ElementSet::Eccentricity, 0.999999)};  // slowest Kepler
  for (double v : {1e300, -1e300, 1e15}) {
    for (auto field : {&ElementSet::EpochYear, &ElementSet::EpochDay, &ElementSet::DecayRate,
                       &ElementSet::Inclination, &ElementSet::MeanMotion, &ElementSet::Alon}) {
      sets.push_back(IssWith(field, v));
    }
  }
  const auto engine = SetupEngine(kLugano);
  for (const auto& sat : sets) {
    for (double tn : {131.5, 131.50001, 1e300, -1e300}) {
      if (const auto p = KeplerModel(sat).AtDay(engine, 2026, tn)) {
        EXPECT_TRUE(p->state.AZ >= 0 && p->state.AZ <= 360 && p->state.MA >= 0 &&
                    p->state.MA <= 255 && p->raw.meanAnomaly < 2 * model::Pi);
      }
    }
  }
}

// FNV-1a over the bytes of every unrounded value.
std::uint64_t Fingerprint(const Propagation& p, std::uint64_t h) {
  const RawSatState& r = p.raw;
  for (double v : {r.azimuth, r.elevation, r.range, r.height, r.subLatitude, r.subLongitude,
                   r.phase, r.illumination, r.squint, r.revolution, r.meanAnomaly}) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    for (int i = 0; i < 8; ++i) h = (h ^ ((bits >> (8 * i)) & 0xFF)) * 0x100000001b3ULL;
  }
  return h;
}

// The unrounded values of the whole sample file at instants on both sides of
// a year end, from two stations, pinned to the bits they had when setup and
// instant were still one function.
TEST(EngineSplit, SampleFileKeepsEveryBit) {
  ElementTable table;
  const int count = ReadElementBlocks(SplitTextLines(test::SampleElements()), table);
  const OrbitModels models = MakeOrbitModels(table, count);
  std::uint64_t h = 0xcbf29ce484222325ULL;
  for (const Observer& station : {kLugano, Observer{-33.9, -70.7, 500}}) {
    const auto engine = SetupEngine(station);
    for (const CivilTime& t : {CivilTime{2026, 5, 11, 12, 0, 0}, CivilTime{2026, 2, 28, 23, 59, 59},
                               CivilTime{2027, 1, 1, 0, 0, 1}, CivilTime{2025, 12, 31, 6, 30, 45}}) {
      for (const auto& model : models) {
        if (const auto p = model->At(engine, t)) h = Fingerprint(*p, h);
      }
    }
  }
  EXPECT_EQ(h, 0x6466fd554205ecffULL);
}

// True eccentric anomaly by halving [M - e, M + e].
double EccentricAnomaly(double m, double e) {
  double lo = m - e, hi = m + e;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    (mid - e * std::sin(mid) - m > 0 ? hi : lo) = mid;
  }
  return lo;
}

// At e = 0.99 Newton from E = M needs up to hundreds of passes near 3.5 degrees,
// and runs off for good at some phases of e = 0.98; every one must converge.
TEST(EngineKepler, HighEccentricityConvergesAtEveryPhase) {
  const auto engine = SetupEngine({});
  struct Case { double e, anomaly; };
  std::vector<Case> cases = {{0.99, 3.1914}, {0.99, 3.4416}, {0.99, 3.5244}, {0.99, 4.0104},
                             {0.98114291594977343, 6.143091820850767 / model::Rad}};
  for (int i = 0; i < 3600; ++i) cases.push_back({0.99, i * 0.1});
  for (const Case& c : cases) {
    ElementSet sat = Geostationary();
    sat.Eccentricity = c.e;
    sat.SemiAxis = 700000;
    sat.MeanAnomaly = c.anomaly;
    const auto p = KeplerModel(sat).AtDay(engine, 2026, sat.EpochDay);
    ASSERT_TRUE(p) << c.anomaly;
    const double ea = EccentricAnomaly(p->raw.meanAnomaly, c.e);
    // Within the loop's tolerance of the true anomaly.
    EXPECT_NEAR(p->raw.height + model::EarthRadius, sat.SemiAxis * (1 - c.e * std::cos(ea)),
                sat.SemiAxis * c.e * model::KeplerTolerance) << c.anomaly;
  }
}

TEST(Rounding, HalvesGoToTheEvenNeighbourExceptWhereFloorIsTheRule) {
  RawSatState raw{.azimuth = 359.5, .elevation = 0.5, .range = 3203.5, .height = 812.5,
                  .subLatitude = 1.5, .subLongitude = -120.5, .phase = 255.99,
                  .illumination = 54.5, .squint = 129.5};
  auto s = RoundSatState(raw);
  ASSERT_TRUE(s);
  EXPECT_EQ((std::vector{s->AZ, s->EL, s->MA, s->HGT, s->RANGE, s->ILL, s->SQ, s->LA, s->LO}),
            (std::vector{360, 0, 255, 813, 3204, 55, 130, 2, -120}));
  s = RoundSatState({.azimuth = 0.5, .elevation = 1.5, .height = -0.5});  // floor(x + 0.5) for height
  EXPECT_EQ((std::vector{s->AZ, s->EL, s->HGT}), (std::vector{0, 2, 0}));
  // Values that do not fit an integer are a failure.
  EXPECT_FALSE(RoundSatState(RawSatState{.range = 1e12}) || RoundSatState(RawSatState{.height = std::nan("")}));
}

}  // namespace
}  // namespace rdz
