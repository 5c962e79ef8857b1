#include "passes/table_passes.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "passes/pass_time.h"
#include "platform/lenient_number.h"
#include "platform/program_files.h"
#include "platform/text_lines.h"

namespace rdz {

SatelliteTrack ModelTrack(const EngineContext& engine, const OrbitModel& model, std::int64_t from,
                          std::int64_t to) {
  SatelliteTrack track;
  track.limits = model.Limits(engine, from, to);
  // The calendar date changes once a day; a search asks for many instants in one.
  track.look = [&engine, &model, day = std::int64_t{-1}, date = CivilTime{}](
                   std::int64_t unix) mutable {
    const std::int64_t d = unix >= 0 ? unix / 86400 : (unix - 86399) / 86400;
    if (d != day) {
      day = d;
      date = CivilFromUnix(d * 86400);
    }
    CivilTime t = date;
    const std::int64_t s = unix - d * 86400;
    t.hour = static_cast<int>(s / 3600);
    t.minute = static_cast<int>(s / 60 % 60);
    t.second = static_cast<int>(s % 60);
    return model.Look(engine, t);
  };
  return track;
}

PassCandidates CandidatesOf(const ElementTable& elements, const OrbitModels& models, int count) {
  PassCandidates out;
  const int n = std::min({count, static_cast<int>(models.size()), ElementTable::kOrbitalCapacity});
  for (int k = 1; k <= n; ++k) {
    out.names.emplace_back(TrimBlanks(elements[k].Name));
    out.models.push_back(models[static_cast<std::size_t>(k - 1)]);
  }
  return out;
}

std::vector<SatellitePasses> FindTablePasses(const PassCandidates& satellites,
                                             const Observer& station, const PassOptions& options,
                                             int only) {
  const EngineContext engine = SetupEngine(station);
  const std::int64_t from = options.start - kPassLookAround;
  const std::int64_t to = options.start + options.seconds + kPassLookAround;
  std::vector<SatellitePasses> out;
  const std::size_t n = std::min(satellites.names.size(), satellites.models.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int number = static_cast<int>(i) + 1;
    if (only != 0 && number != only) continue;
    if (!satellites.models[i]) continue;
    const SatelliteTrack track = ModelTrack(engine, *satellites.models[i], from, to);
    out.push_back({number, satellites.names[i], FindPasses(track, options)});
  }
  return out;
}

std::vector<PassRow> TimeOrdered(const std::vector<SatellitePasses>& found) {
  std::vector<PassRow> rows;
  for (const SatellitePasses& s : found) {
    for (const Pass& p : s.search.passes) rows.push_back({s.number, s.name, p});
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
