// One world-map redraw with 80 satellites: the scene (propagation, footprint,
// ground track, night side) and its painting at the window's size and at 1024.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <stdexcept>

#include "core/map/scene.h"
#include "core/load/element_loader.h"
#include "core/load/settings_in_use.h"
#include "windows/map/map_picture.h"
#include "core/base/text_lines.h"

namespace {

struct EightySatellites {
  std::unique_ptr<rdz::ElementTable> table = std::make_unique<rdz::ElementTable>();
  rdz::OrbitModels models;
  EightySatellites() {
    rdz::TrackerState state;
    state.ElementFileName = rdz::kElementFileName;
    rdz::UseSettings(state, rdz::ReadSettings(RDZ_SAMPLE_DIR));
    rdz::LoadElements(RDZ_SAMPLE_DIR, state);
    if (state.SatCount == 0) throw std::runtime_error("no sample satellites in " RDZ_SAMPLE_DIR);
    // The sample file's satellites again, spread along their orbits, up to 80.
    for (int k = 1; k <= rdz::ElementTable::kOrbitalCapacity; ++k) {
      rdz::ElementSet sat = state.Elements[(k - 1) % state.SatCount + 1];
      sat.MeanAnomaly += 137.0 * ((k - 1) / state.SatCount);
      (*table)[k] = sat;
    }
    models = rdz::MakeOrbitModels(*table, rdz::ElementTable::kOrbitalCapacity);
  }
};

void BM_MapRedraw80(benchmark::State& st) {
  static const EightySatellites sats;
  rdz::MapPainter painter(rdz::EarthImage());
  const int width = static_cast<int>(st.range(0));
  QImage image(width, width / 2, QImage::Format_RGB32);
  rdz::CivilTime utc{2026, 5, 11, 12, 0, 0};
  for (auto _ : st) {
    utc = rdz::AddSeconds(utc, 1);
    const rdz::MapScene scene =
        rdz::BuildMapScene(*sats.table, sats.models, rdz::Observer{46.5, 8.95, 273}, utc, 1, 80);
    QPainter p(&image);
    painter.Paint(p, image.size(), scene);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_MapRedraw80)->Arg(480)->Arg(1024)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

namespace {

// Every set of a large file on the map: 12,000 markers (the sample's sets
// turned along their orbits and about the Earth's axis), painted at the
// window's size; the scene is built once.
void BM_MapPaint12000(benchmark::State& st) {
  rdz::TrackerState state;
  state.ElementFileName = rdz::kElementFileName;
  rdz::UseSettings(state, rdz::ReadSettings(RDZ_SAMPLE_DIR));
  rdz::LoadElements(RDZ_SAMPLE_DIR, state);
  std::vector<std::string> names;
  rdz::OrbitModels models;
  for (int i = 0; i < 12000; ++i) {
    rdz::ElementSet sat = state.Elements[i % state.SatCount + 1];
    sat.MeanAnomaly += 137.507764 * (i / state.SatCount);
    sat.Raan += 97.3 * (i / state.SatCount);
    names.push_back(rdz::TrimmedName(sat.Name) + "/" + std::to_string(i));
    models.push_back(rdz::MakeOrbitModel(sat));
  }
  const rdz::MapScene scene = rdz::BuildMapScene(names, models, rdz::Observer{46.5, 8.95, 273},
                                                 {2026, 5, 11, 12, 0, 0}, 1);
  rdz::MapPainter painter(rdz::EarthImage());
  const int width = static_cast<int>(st.range(0));
  QImage image(width, width / 2, QImage::Format_RGB32);
  for (auto _ : st) {
    QPainter p(&image);
    painter.Paint(p, image.size(), scene);
    benchmark::DoNotOptimize(image.constBits());
  }
  st.counters["markers"] = static_cast<double>(scene.satellites.size());
  st.counters["names"] = static_cast<double>(painter.LabelBoxes().size());
}
BENCHMARK(BM_MapPaint12000)->Arg(480)->Arg(1024)->Unit(benchmark::kMillisecond);

}  // namespace
