#include "programs/cli/cli_passes.h"

#include "core/forecast/compute_aoslos.h"
#include "core/forecast/forecast_text.h"

namespace rdz {

namespace {

// The forecast's clock stands still at the start instant: every sample is
// exactly two minutes after the one before.
struct FixedClock final : Clock {
  CivilTime at;
  explicit FixedClock(const CivilTime& t) : at(t) {}
  CivilTime Now() override { return at; }
};

struct TextOutput final : ForecastOutput {
  std::string text;
  void Append(const std::string& piece) override { text += piece; }
  bool LetPendingEventsRun() override { return true; }
};

std::string WithLineFeeds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

std::string PassesText(const TrackerState& state, int sat, const CivilTime& start) {
  // As the window runs it, with the clock at the start instant and no UTC difference.
  ForecastState forecast;
  forecast.ForecastSat = sat - 1;
  FixedClock clock(start);
  TextOutput text;
  text.Append(ForecastTitle(state.Elements[sat].Name));
  ComputeAOSLOS(*state.Models[static_cast<std::size_t>(sat - 1)], state.Station, kForecastStep,
                forecast, clock, text);
  return WithLineFeeds(text.text);
}

}  // namespace rdz
