// The element box text and the AOS/LOS list: pieces, pass detection, instants.
#include <gtest/gtest.h>

#include <vector>

#include "core/forecast/compute_aoslos.h"
#include "core/forecast/element_box.h"
#include "core/forecast/forecast_text.h"

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
  EXPECT_FALSE(SatelliteElementsText(table, 100));
  EXPECT_EQ(GeneralNumberText(0.1 + 0.2), "0.3");  // 15 significant digits
}

struct StillClock final : Clock {
  CivilTime Now() override { return {2026, 12, 31, 23, 59, 0}; }
};

struct TextOut final : ForecastOutput {
  std::string text;
  int yields = 0;
  void Append(const std::string& piece) override { text += piece; }
  bool LetPendingEventsRun() override { return ++yields > 0; }
};

std::string Line(const std::string& time, const std::string& el) {
  return "\r\nDATE: 01/01/2027\t\tUTC: " + time + "\tAZ:    5\tEL: " + el + "\tMA:    0";
}

// Gives the elevations of a list, one per sample, then -5; none: cannot be computed.
struct ListModel final : OrbitModel {
  std::vector<std::optional<int>> els;
  mutable int samples = 0;
  std::optional<Propagation> At(const EngineContext&, const CivilTime& t) const override {
    const std::optional<int> el = samples < std::ssize(els) ? els[samples] : -5;
    Propagation p;
    p.state.EL = el.value_or(0);
    p.state.AZ = t.year - 2022;  // the year of the sample, after the rollover
    p.state.RN = ++samples < 5 ? 12345 : 123456;
    return el ? std::optional(p) : std::nullopt;
  }
};

TEST(Forecast, PassesFollowTheRoundedElevation) {
  ForecastState forecast;
  StillClock clock;
  TextOut out;
  // Up at once; 0 neither lists nor ends; -1 ends; a failed sample changes nothing.
  ListModel model;
  model.els = {2, 0, 3, -1, std::nullopt, 0, 1, std::nullopt, -1};
  EXPECT_EQ(ComputeAOSLOS(model, Observer{}, kForecastStep, forecast, clock, out),
            ForecastEnd::Finished);
  EXPECT_EQ(out.text, "\r\n\r\n-------- NEXT ORBIT   12345 --------\r\n" +
                          Line("00:01:00", " 2") + Line("00:05:00", " 3") +
                          "\r\n\r\n-------- NEXT ORBIT  123456 --------\r\n" +
                          Line("00:13:00", " 1") + kForecastEndMarker);
  EXPECT_EQ(std::pair(out.yields, model.samples), std::pair(3, 720));  // yields after sample lines only
}

}  // namespace
}  // namespace rdz
