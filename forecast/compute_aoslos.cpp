#include "forecast/compute_aoslos.h"

#include "config/station_config.h"
#include "forecast/forecast_text.h"
#include "platform/civil_time.h"

namespace rdz {

ForecastEnd ComputeAOSLOS(TrackerState& state, ForecastState& forecast,
                          const std::filesystem::path& programDir, Clock& clock,
                          ForecastOutput& out, const Propagator& propagate) {
  const int n = forecast.ForecastSat + 1;
  if (n < 1 || n > ElementTable::kNameCapacity) return ForecastEnd::Stopped;
  if (const auto keys = ReadStationConfig(programDir)) state.Station = WithStationKeys(state.Station, *keys);
  forecast.ForecastInPass = 0;
  const EngineContext engine = SetupEngine(state.Station);
  // Own copies: handlers that run between samples (a reload, a simulation
  // button) must not change the samples still to come.
  const ElementSet sat = state.Elements[n];
  const double step = state.TimeStep;

  for (int k = 1; k <= kForecastSamples; ++k) {
    forecast.ForecastUtcDiff += step;
    const auto offset = UtcDifferenceSeconds(forecast.ForecastUtcDiff * kDaysPerHour * 24.0);
    if (!offset) continue;
    const CivilTime t = AddSeconds(clock.Now(), -*offset);
    forecast.ForecastDateText = FormatDate(t);
    forecast.ForecastTimeText = FormatTime(t);
    const double tn = TimeNow(engine, t.year, t.month, t.day, t.hour, t.minute, t.second);
    const auto p = propagate(engine, sat, t.year, tn);
    if (!p) continue;
    const SatState& s = p->state;
    if (s.EL > 0 && forecast.ForecastInPass == 0) {
      forecast.ForecastInPass = 1;
      out.Append(PassHeader(s.RN));
    }
    if (s.EL < 0 && forecast.ForecastInPass == 1) forecast.ForecastInPass = 0;
    if (s.EL > 0) {
      out.Append(SampleLine(forecast.ForecastDateText, forecast.ForecastTimeText, s));
      if (!out.LetPendingEventsRun()) return ForecastEnd::Stopped;
    }
  }
  out.Append(kForecastEndMarker);
  return ForecastEnd::Finished;
}

}  // namespace rdz
