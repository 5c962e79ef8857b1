// The live-table pass through the main window while the world map is open,
// which adds satellite 1's labels to every pass.
#include <benchmark/benchmark.h>

#include <QPushButton>

#include "mainwindow/frm_track.h"
#include "platform/civil_time.h"
#include "platform/qt/qt_services.h"
#include "rotor/recording_port.h"

namespace {

void BM_RefreshLiveTableWithMapOpen(benchmark::State& st) {
  rdz::qt::QtClock clock;
  rdz::qt::QtMessageBox messages;
  rdz::qt::QtSound sound;
  rdz::qt::QtEventLoop events;
  rdz::RecordingPort port;
  rdz::TrackerState state;
  rdz::FrmTrack form(state, rdz::Services{clock, messages, sound, events, RDZ_SAMPLE_DIR, port});
  form.Load();
  form.Timer1.SetEnabled(false);
  form.Command1->click();
  state.UtcDateText = "11/05/2026";
  int s = 0;
  for (auto _ : st) {
    state.UtcTimeText = rdz::FormatTime(rdz::AddSeconds({2026, 5, 11, 12, 0, 0}, s++ % 3600));
    form.RefreshLiveTable();
  }
}
BENCHMARK(BM_RefreshLiveTableWithMapOpen)->Unit(benchmark::kMicrosecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
