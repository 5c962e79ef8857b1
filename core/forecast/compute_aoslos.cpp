#include "core/forecast/compute_aoslos.h"

#include "core/forecast/forecast_text.h"
#include "core/orbit/engine.h"
#include "core/base/vector_state.h"

namespace rdz {

ForecastEnd ComputeAOSLOS(const OrbitModel& model, const Observer& station, double step,
                          ForecastState& forecast, Clock& clock, ForecastOutput& out) {
  forecast.ForecastInPass = 0;
  const EngineContext engine = SetupEngine(station);

  for (int k = 1; k <= kForecastSamples; ++k) {
    forecast.ForecastUtcDiff += step;
    const auto offset = UtcDifferenceSeconds(forecast.ForecastUtcDiff * kDaysPerHour * 24.0);
    if (!offset) continue;
    const CivilTime t = AddSeconds(clock.Now(), -*offset);
    forecast.ForecastDateText = FormatDate(t);
    forecast.ForecastTimeText = FormatTime(t);
    ClearUpperVectorState();  // the list repaints at every yield
    const auto p = model.At(engine, t);
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
