// One live-table pass over 60 satellites: propagation, row texts, colours and
// label updates through the real main window on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <vector>

#include "windows/main/frm_track.h"
#include "core/load/element_loader.h"
#include "platform/qt/qt_services.h"
#include "core/rotor/recording_port.h"

namespace {

struct NullView final : rdz::LiveTableView {
  int SelectedOption() const override { return rdz::kTrackerOffOption; }
  void ShowRow(int, const std::string& text, rdz::RowColours) override {
    benchmark::DoNotOptimize(text.data());
  }
  void ShowRotorPosition(const std::string&, const std::string&) override {}
  void ShowTitle(const std::string&) override {}
  void ShowTrackingPicture(bool) override {}
  void UpdateMap(const rdz::MapFields&) override {}
};

// A fresh second for every pass, so every row text really changes.
std::vector<rdz::CivilTime> Seconds() {
  std::vector<rdz::CivilTime> times;
  for (int s = 0; s < 3600; ++s) times.push_back(rdz::AddSeconds({2026, 5, 11, 12, 0, 0}, s));
  return times;
}

struct Fixture {
  rdz::qt::QtClock clock;
  rdz::qt::QtMessageBox messages;
  rdz::qt::QtSound sound;
  rdz::qt::QtEventLoop events;
  rdz::RecordingPort port;
  rdz::TrackerState state;
  rdz::FrmTrack form;
  std::vector<rdz::CivilTime> seconds = Seconds();

  Fixture()
      : form(state, rdz::Services{clock, messages, sound, events, RDZ_SAMPLE_DIR, port.Ports(), {}}) {
    form.Load();
    form.Timer1.SetEnabled(false);
    // Track a satellite so the rotor labels and title are part of the pass.
    form.ClickOption(0);
    QCoreApplication::processEvents();
  }
};

// Made after the QApplication and destroyed before it: widgets must not
// outlive the application object.
std::unique_ptr<Fixture> shared;
std::unique_ptr<Fixture> withMap;

Fixture& Shared() {
  if (!shared) shared = std::make_unique<Fixture>();
  return *shared;
}

void BM_RefreshLiveTableWindow(benchmark::State& st) {
  Fixture& f = Shared();
  std::size_t i = 0;
  for (auto _ : st) {
    f.state.Time.Utc = f.seconds[i++ % f.seconds.size()];
    f.form.RefreshLiveTable();
  }
  st.counters["satellites"] = std::min(f.state.SatCount, 60);
}
BENCHMARK(BM_RefreshLiveTableWindow)->Unit(benchmark::kMicrosecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same pass and then the repaint it causes, as happens once a second.
void BM_RefreshLiveTableWindowAndPaint(benchmark::State& st) {
  Fixture& f = Shared();
  std::size_t i = 0;
  for (auto _ : st) {
    f.state.Time.Utc = f.seconds[i++ % f.seconds.size()];
    f.form.RefreshLiveTable();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_RefreshLiveTableWindowAndPaint)->Unit(benchmark::kMicrosecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The same pass while the world map is open, which adds satellite 1's labels.
void BM_RefreshLiveTableWithMapOpen(benchmark::State& st) {
  if (!withMap) withMap = std::make_unique<Fixture>();
  Fixture& f = *withMap;
  f.form.Command1Click();
  std::size_t i = 0;
  for (auto _ : st) {
    f.state.Time.Utc = f.seconds[i++ % f.seconds.size()];
    f.form.RefreshLiveTable();
  }
}
BENCHMARK(BM_RefreshLiveTableWithMapOpen)->Unit(benchmark::kMicrosecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The pass without a window: propagation and row texts only.
void BM_RefreshLiveTableNoWindow(benchmark::State& st) {
  Fixture& f = Shared();
  NullView view;
  std::size_t i = 0;
  for (auto _ : st) {
    rdz::RefreshLiveTable(f.state.Elements, f.state.Models, f.state.Station,
                          f.seconds[i++ % f.seconds.size()], view);
  }
}
BENCHMARK(BM_RefreshLiveTableNoWindow)->Unit(benchmark::kMicrosecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  withMap.reset();
  shared.reset();
  return 0;
}
