#include "core/passes/table_passes.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/passes/catalog_passes.h"
#include "core/passes/pass_time.h"
#include "core/base/lenient_number.h"
#include "core/base/program_files.h"
#include "core/base/text_lines.h"

namespace rdz {

SatelliteTrack ModelTrack(const EngineContext& engine, const OrbitModel& model, std::int64_t from,
                          std::int64_t to) {
  SatelliteTrack track;
  track.limits = model.Limits(engine, from, to);
  track.look = [&engine, &model](std::int64_t unix) { return model.LookAt(engine, unix); };
  return track;
}

PassCandidates CandidatesOf(const ElementTable& elements, const OrbitModels& models, int count) {
  PassCandidates out;
  const int n = std::min({count, static_cast<int>(models.size()), ElementTable::kOrbitalCapacity});
  for (int k = 1; k <= n; ++k) {
    out.names.emplace_back(TrimBlanks(elements[k].Name));
    out.models.push_back(models[static_cast<std::size_t>(k - 1)]);
    out.catalogNumbers.push_back(elements[k].CatalogNumber);
  }
  return out;
}

std::vector<SatellitePasses> FindTablePasses(const PassCandidates& satellites,
                                             const Observer& station, const PassOptions& options,
                                             int only) {
  if (only == 0) return FindAllPasses(satellites, station, options);
  std::vector<SatellitePasses> out;
  const auto i = static_cast<std::size_t>(only - 1);
  if (only < 0 || i >= satellites.names.size() || i >= satellites.models.size() ||
      !satellites.models[i]) {
    return out;
  }
  out.push_back(PassesOf(satellites, i, SetupEngine(station), options));
  return out;
}

std::vector<PassRow> TimeOrdered(const std::vector<SatellitePasses>& found) {
  std::vector<PassRow> rows;
  for (const SatellitePasses& s : found) {
    for (const Pass& p : s.search.passes) rows.push_back({s.number, s.name, s.catalog, p});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const PassRow& a, const PassRow& b) {
    return a.pass.aos.time != b.pass.aos.time ? a.pass.aos.time < b.pass.aos.time
                                              : a.number < b.number;
  });
  return rows;
}

std::optional<std::size_t> NextPassOf(const std::vector<PassRow>& rows, int number,
                                      std::int64_t now) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].number == number && rows[i].pass.los.time >= now) return i;
  }
  return std::nullopt;
}

}  // namespace rdz
