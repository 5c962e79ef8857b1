#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/orbit/observer.h"
#include "core/elements/element_table.h"
#include "core/orbit/engine.h"
#include "core/passes/pass_finder.h"

namespace rdz {

// A satellite's model as a track for the pass finder, with the model's limits
// from `from` to `to` (unix seconds). Engine and model must outlive the track.
SatelliteTrack ModelTrack(const EngineContext& engine, const OrbitModel& model, std::int64_t from,
                          std::int64_t to);

struct SatellitePasses {
  int number = 0;    // entry in the element table, from 1
  std::string name;  // trimmed
  std::uint32_t catalog = 0;
  PassSearch search;
};

// One pass of a table, for lists in time order.
struct PassRow {
  int number = 0;
  std::string name;
  std::uint32_t catalog = 0;
  Pass pass;
};

// The table's satellites as the pass search takes them: entry k's trimmed name
// and model at index k - 1.
struct PassCandidates {
  std::vector<std::string> names;
  OrbitModels models;
  std::vector<std::uint32_t> catalogNumbers;  // 0 where unknown
};
PassCandidates CandidatesOf(const ElementTable& elements, const OrbitModels& models, int count);

// The passes of every given satellite (entry k at index k - 1), or of entry
// `only` alone when it is not 0; the satellites on every core.
std::vector<SatellitePasses> FindTablePasses(const PassCandidates& satellites,
                                             const Observer& station, const PassOptions& options,
                                             int only = 0);

// All passes by AOS, satellites in table order where AOS are equal.
std::vector<PassRow> TimeOrdered(const std::vector<SatellitePasses>& found);

// Index into `rows` of the first pass of satellite `number` that has not ended
// at `now`; nothing when it has none.
std::optional<std::size_t> NextPassOf(const std::vector<PassRow>& rows, int number,
                                      std::int64_t now);

}  // namespace rdz
