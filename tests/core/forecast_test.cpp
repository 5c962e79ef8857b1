// The element box text and the AOS/LOS list: pieces, pass detection, instants.
#include <gtest/gtest.h>

#include <deque>

#include "core/temp_dir.h"
#include "forecast/compute_aoslos.h"
#include "forecast/element_box.h"
#include "forecast/forecast_text.h"

namespace rdz {
namespace {

TEST(ElementBox, EveryLabelTabAndNumberForm) {
  ElementTable table;
  ElementSet& s = table[1];
  s = {"AO-07    ", 2026, 131.02828537, 101.9918, 143.8856, 0.0012125, 200.3561, 181.7211,
       12.53697443, -3.4e-07, 35586, 0, 0, 180};
  EXPECT_EQ(*SatelliteElementsText(table, 0),
            "    Satellite: \tAO-07            nr. 1\r\n\r\n"
            "    Year: \t\t2026\r\n    Time: \t\t131.02828537\r\n"
            "    Inclination: \t101.9918\r\n    Raan: \t\t143.8856\r\n"
            "    Eccentricity: \t0.0012125\r\n    Arg of perigee: \t200.3561\r\n"
            "    Ma: \t\t181.7211\r\n    Mm: \t\t12.53697443\r\n"
            "    Dec rate: \t-3.4e-07\r\n    Epoc revolution: \t35586\r\n"
            "    Semi axis (0) nc: \t0\r\n    Alan (0) nc: \t0\r\n    Alon (180) nc: \t180\r\n");
  // A row never loaded shows the labels over empty values; beyond the table, no text.
  EXPECT_NE(SatelliteElementsText(table, 99)->find("nr. 100\r\n\r\n    Year: \t\t0\r\n"),
            std::string::npos);
  EXPECT_FALSE(SatelliteElementsText(table, 100));
  EXPECT_EQ(GeneralNumberText(0.1 + 0.2), "0.3");  // 15 significant digits
}

TEST(ForecastText, FieldWidthsAndSignPositions) {
  SatState s;
  s.AZ = 5, s.EL = 5, s.MA = 0;
  EXPECT_EQ(SampleLine("31/12/2026", "23:59:00", s),
            "\r\nDATE: 31/12/2026\t\tUTC: 23:59:00\tAZ:    5\tEL:  5\tMA:    0");
  s.AZ = 360, s.EL = 45, s.MA = 255;
  EXPECT_EQ(SampleLine("d", "t", s), "\r\nDATE: d\t\tUTC: t\tAZ:  360\tEL:  45\tMA:  255");
  EXPECT_EQ(PassHeader(12345), "\r\n\r\n-------- NEXT ORBIT   12345 --------\r\n");
  EXPECT_EQ(PassHeader(123456), "\r\n\r\n-------- NEXT ORBIT  123456 --------\r\n");
  EXPECT_EQ(ForecastTitle("  AO 7   "), "AOS LOS next 24h [AO 7]");
}

struct StillClock final : Clock {
  CivilTime now;
  CivilTime Now() override { return now; }
};

struct TextOut final : ForecastOutput {
  std::string text;
  int yields = 0, stopAfter = -1;
  void Append(const std::string& piece) override { text += piece; }
  bool LetPendingEventsRun() override { return ++yields != stopAfter; }
};

class Forecast : public ::testing::Test {
 protected:
  Forecast() {
    state.Elements[1].Name = "SAT      ";
    state.TimeStep = kForecastStep;
    state.Station.LA = 46.5;
    clock.now = {2026, 12, 31, 23, 59, 0};
  }
  // Elevations of the samples in order (nothing: the sample fails), then 'rest'.
  ForecastEnd Run(std::deque<std::optional<int>> els, int rest = -5) {
    const Propagator fake = [&, els](const EngineContext& engine, const ElementSet&, int year,
                                     double tn) mutable -> std::optional<Propagation> {
      instants.push_back({year, tn});
      (void)engine;
      std::optional<int> el = rest;
      if (!els.empty()) el = els.front(), els.pop_front();
      if (!el) return std::nullopt;
      Propagation p;
      p.state.EL = *el;
      p.state.RN = 1000 + static_cast<double>(instants.size());
      return p;
    };
    return ComputeAOSLOS(state, forecast, dir.path(), clock, out, fake);
  }
  std::string Line(int el, const std::string& time) {
    SatState s;
    s.EL = el;
    return SampleLine("01/01/2027", time, s);
  }

  test::TempDir dir;
  TrackerState state;
  ForecastState forecast;
  StillClock clock;
  TextOut out;
  std::vector<std::pair<int, double>> instants;
};

TEST_F(Forecast, PassesFollowTheRoundedElevation) {
  // Up at once; 0 neither lists nor ends; -1 ends; a failed sample changes nothing.
  EXPECT_EQ(Run({2, 0, 3, -1, std::nullopt, 0, 1, std::nullopt, -1}), ForecastEnd::Finished);
  EXPECT_EQ(out.text, PassHeader(1001) + Line(2, "00:01:00") + Line(3, "00:05:00") +
                          PassHeader(1007) + Line(1, "00:13:00") + kForecastEndMarker);
  EXPECT_EQ(out.yields, 3);  // after sample lines only
  EXPECT_EQ(instants.size(), 720u);
}

TEST_F(Forecast, SamplesTwoMinutesApartIntoTheNextYear) {
  Run({}, 10);
  ASSERT_EQ(instants.size(), 720u);
  EXPECT_EQ(instants.front().first, 2027);
  EXPECT_NEAR(instants.front().second, 1 + 60.0 / 86400, 1e-9);
  EXPECT_NEAR(instants.back().second, 1 + (24 * 3600 - 60.0) / 86400, 1e-9);
  EXPECT_TRUE(out.text.ends_with(Line(10, "23:59:00") + kForecastEndMarker));
  EXPECT_EQ(out.yields, 720);
}

TEST_F(Forecast, NeverUpGivesOnlyTheEndMarker) {
  Run({});
  EXPECT_EQ(out.text, kForecastEndMarker);
}

TEST_F(Forecast, StopsAtOnceWhenTheOutputSaysSo) {
  out.stopAfter = 2;
  EXPECT_EQ(Run({}, 10), ForecastEnd::Stopped);
  EXPECT_EQ(instants.size(), 2u);
  EXPECT_EQ(out.text.find("END"), std::string::npos);
}

TEST_F(Forecast, StationReadAgainOrKeptWhenTheFileIsMissing) {
  Run({});
  EXPECT_EQ(state.Station.LA, 46.5);
  dir.Write("config.txt", test::CrLf({"LA = 10", "TEMPOSCANN = 7"}));
  Run({});
  EXPECT_EQ(state.Station.LA, 10);
  EXPECT_EQ(state.TEMPOSCANN, 0);  // only the station keys
}

}  // namespace
}  // namespace rdz
