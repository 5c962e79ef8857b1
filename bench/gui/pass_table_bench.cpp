// The Passes window's table filled with a whole file's passes: 12,000 sets
// (SGP4) over three days, about 210,000 rows, shown, sorted by AOS and sized
// to their contents on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>

#include "core/load/element_loader.h"
#include "core/load/settings_in_use.h"
#include "core/passes/catalog_passes.h"
#include "core/passes/pass_time.h"
#include "windows/passes/pass_table_model.h"
#include "shifted_catalog.h"

namespace {

const std::vector<rdz::PassRow>& WholeFileRows() {
  static const std::vector<rdz::PassRow> rows = [] {
    rdz::TrackerState state;
    rdz::UseSettings(state, rdz::ReadSettings(RDZ_SAMPLE_DIR));
    const auto read = rdz::ReadElementSets(rdz::test::FileText(RDZ_PASS_FIXTURES "/amateur-2026-05-11.tle"));
    const auto sets = rdz::CandidatesOfFile(rdz::test::ShiftedCatalog(read, 12000));
    rdz::PassOptions options;
    options.start = rdz::UnixSeconds({2026, 5, 11, 12, 0, 0});
    return rdz::TimeOrdered(rdz::FindAllPasses(sets, state.Station, options));
  }();
  return rows;
}

void BM_PassTableFill(benchmark::State& st) {
  const auto& rows = WholeFileRows();
  QTableView view;
  rdz::PassTableModel model;
  view.setModel(&model);
  view.setSortingEnabled(true);
  view.resize(860, 480);
  view.show();
  for (auto _ : st) {
    model.Show(&rows, 3600, true);
    view.sortByColumn(rdz::PassTableModel::kAosUtc, Qt::AscendingOrder);
    view.resizeColumnsToContents();
    model.Mark(rows.size() / 2);
    QCoreApplication::processEvents();
  }
  st.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_PassTableFill)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
