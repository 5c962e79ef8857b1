// Range rate against the change of the range itself, the top band's Doppler
// line and `rodedizevad-cli doppler`.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "programs/cli/cli.h"
#include "core/temp_dir.h"
#include "core/load/element_loader.h"
#include "core/orbit/engine.h"
#include "core/radio/doppler_line.h"

namespace rdz {
namespace {

const Observer kStation{46.5, 8.95, 420};
const CivilTime kStart{2026, 5, 11, 0, 0, 0};

std::shared_ptr<const OrbitModel> ModelOf(const std::string& text) {
  return MakeOrbitModel(ReadElementSets(text).sets.at(0));
}

std::string AmsatSet(const std::string& name) {
  const std::string all = test::SampleElements();
  const auto at = all.find("Satellite: " + name);
  const auto end = all.find('\r', all.find("Checksum", at));
  return all.substr(at, end - at) + "\r\n";
}

TEST(DopplerChecks, RangeRateIsTheSymmetricDifferenceOfTheRange) {
  const struct {
    const char* what;
    std::string text;
    CivilTime start;
    double tolerance;  // km/s; 1e-4 is a seventh of a hertz at 435 MHz
  } cases[] = {
      {"Kepler AO-07", AmsatSet("AO-07"), kStart, 1e-4},
      {"SGP4 LEO", "1 28057U 03049A   06177.78615833  .00000060  00000-0  35940-4 0  1836\r\n"
                   "2 28057  98.4283 247.6961 0000884  88.1964 271.9322 14.35478080140550\r\n",
       {2006, 6, 26, 19, 0, 0}, 1e-4},
      {"SDP4 Molniya", "1 08195U 75081A   06176.33215444  .00000099  00000-0  11873-3 0   813\r\n"
                       "2 08195  64.1586 279.0717 6877146 264.7651  20.2257  2.00491383225656\r\n",
       // SDP4's own velocity strays from the derivative of its position by
       // up to about 1 m/s near perigee; the published code's does too.
       {2006, 6, 25, 8, 0, 0}, 1.5e-3},
  };
  const EngineContext engine = SetupEngine(kStation);
  for (const auto& c : cases) {
    const auto model = ModelOf(c.text);
    const auto range = [&](const CivilTime& t) { return model->At(engine, t).value().raw.range; };
    int positive = 0, negative = 0;
    for (int minute = 0; minute < 24 * 60; minute += 7) {
      const CivilTime t = AddSeconds(c.start, minute * 60);
      const auto p = model->At(engine, t);
      ASSERT_TRUE(p && p->raw.rangeRate) << c.what;
      // Whole seconds only: steps of 1 s and 2 s combined cancel the h^2 error.
      const auto symmetric = [&](int h) { return (range(AddSeconds(t, h)) - range(AddSeconds(t, -h))) / (2 * h); };
      const double difference = (4 * symmetric(1) - symmetric(2)) / 3;
      ASSERT_NEAR(*p->raw.rangeRate, difference, c.tolerance) << c.what << " minute " << minute;
      (*p->raw.rangeRate > 0 ? positive : negative) += 1;
    }
    EXPECT_TRUE(positive > 0 && negative > 0) << c.what;
  }
}

TEST(DopplerLine, RangeRateAndTheChosenTransponderToTheHertz) {
  const Transponder fm{"FM", 437.8e6, 437.8e6, 145.99e6, 145.99e6, "FM", false};
  EXPECT_EQ(DopplerLineText(-5.0, &fm), "RR -5.000 km/s  DOWN 437.807 302  UP 145.987 565");
  const Transponder beacon{"CW", 145.97e6, 145.97e6, {}, {}, "CW", false};
  EXPECT_EQ(DopplerLineText(0.5, &beacon), "RR 0.500 km/s  DOWN 145.969 757");
  EXPECT_EQ(DopplerLineText(0.5, nullptr) + "|" + DopplerLineText(std::nullopt, &fm) + "|" + MegahertzText(NAN),
            "RR 0.500 km/s||-");
  // An uplink without a downlink stays where it is.
  EXPECT_DOUBLE_EQ(*UplinkFor(Transponder{"", {}, {}, 437.1e6, {}, "", false}, 145.8e6), 437.1e6);

  // The worked transponder stays chosen while the satellite keeps it.
  const Transponder other{"B", 145.9e6, 145.9e6, {}, {}, "", false};
  const TransponderChoice before{3, {fm, beacon}, 1};
  EXPECT_EQ((std::vector<int>{Rechoose(before, 3, {other, beacon, fm}).chosen, Rechoose(before, 3, {other, fm}).chosen,
                         Rechoose(before, 4, {fm, beacon}).chosen}), (std::vector{1, 0, 0}));
}

class DopplerCli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("amateur.txt", test::SampleElements());
    dir.Write("config.txt", test::CrLf({"LA = 46.5", "LO = 8.95", "HT = 420", "AO-07 ALAT(0) ALON(180)",
                                        "AO-07 DOWN(145.9500) UP(432.1500) MODE(USB) INVERT"}));
    dir.Write("transmitters.json", test::TransmittersFixture());
  }
  std::pair<int, std::string> Cli(std::vector<std::string> args) const {
    std::ostringstream out, errors;
    const int status = RunCli(args, dir.path(), out, errors);
    return {status, out.str()};
  }
  test::TempDir dir;
};

TEST_F(DopplerCli, RangeRateThenOneLinePerTransponder) {
  const std::string state = Cli({"state", "1", "11/05/2026", "12:00:00"}).second;
  const double rate = std::stod(state.substr(state.find("rangerate ") + 10));
  const auto hz = [&](double f, double sign) { return std::to_string(std::llround(f * (1 + sign * rate / 299792.458))); };
  char first[64];
  std::snprintf(first, sizeof first, "rangerate %.6f\n", rate);
  const std::string want = std::string(first) +
      "USB (config.txt) 145950000 " + hz(145.95e6, -1) + " 432150000 " + hz(432.15e6, 1) + "\n" +
      "Mode V/A (A) Linear 29450000 " + hz(29.45e6, -1) + " 145900000 " + hz(145.9e6, 1) + "\n" +
      "Beacon 145970000 " + hz(145.97e6, -1) + " - -\n";
  EXPECT_EQ(Cli({"doppler", "1", "11/05/2026", "12:00:00"}), std::make_pair(0, want));
  // Where the operator left the upright V/A transponder, 1.5 kHz low, its uplink too.
  dir.Write("offsets.txt", "7530 29450000 -1500\r\nAO-07 29450000 900\r\n");
  const std::string moved = Cli({"doppler", "1", "11/05/2026", "12:00:00"}).second;
  EXPECT_NE(moved.find("Mode V/A (A) Linear 29450000 " + hz(29.4485e6, -1) + " 145900000 " + hz(145.8985e6, 1) +
                       " offset -1500\n"),
            std::string::npos)
      << moved;
  EXPECT_EQ(moved.find("offset 900"), std::string::npos);
}

}  // namespace
}  // namespace rdz
