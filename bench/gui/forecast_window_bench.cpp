// A whole 24-hour forecast of a satellite that never sets (720 sample lines)
// into the real forecast window on the offscreen platform, with the pending
// events let run after every line as in the program.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "core/forecast/compute_aoslos.h"
#include "windows/forecast/frm_aoslos.h"
#include "core/orbit/engine.h"
#include "platform/qt/qt_services.h"

namespace {

struct WindowSink final : rdz::ForecastOutput {
  rdz::FrmAOSLOS& window;
  rdz::qt::QtEventLoop events;
  explicit WindowSink(rdz::FrmAOSLOS& w) : window(w) {}
  void Append(const std::string& piece) override { window.Append(piece); }
  bool LetPendingEventsRun() override {
    events.LetPendingEventsRun();
    return true;
  }
};

struct StillClock final : rdz::Clock {
  rdz::CivilTime Now() override { return {2026, 5, 11, 12, 0, 0}; }
};

void BM_ForecastIntoWindow(benchmark::State& st) {
  // Geostationary at 37 degrees over the sample station: one pass, 720 lines.
  const rdz::ElementSet geo{"GEO      ", 2026, 131.5, 0.01, 0, 0.0001, 0, 60, 1.00273791};
  const rdz::KeplerModel model(geo);
  const rdz::Observer station{46.5, 8.95, 420};
  StillClock clock;
  rdz::FrmAOSLOS window;
  std::size_t length = 0;
  for (auto _ : st) {
    window.Load(geo.Name);
    rdz::ForecastState forecast;
    WindowSink sink(window);
    rdz::ComputeAOSLOS(model, station, rdz::kForecastStep, forecast, clock, sink);
    QCoreApplication::processEvents();
    length = window.Text().size();
  }
  st.counters["chars"] = static_cast<double>(length);
}
BENCHMARK(BM_ForecastIntoWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
