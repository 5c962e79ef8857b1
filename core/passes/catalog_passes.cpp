#include "core/passes/catalog_passes.h"

#include <algorithm>
#include <thread>

#include "core/base/text_lines.h"

namespace rdz {

PassCandidates CandidatesOfFile(const ElementSetsRead& read) {
  PassCandidates out;
  const std::size_t n = read.sets.size();
  out.names.reserve(n);
  out.models.reserve(n);
  out.catalogNumbers.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const ElementSet& sat = read.sets[i];
    out.names.emplace_back(i < read.fullNames.size() ? read.fullNames[i]
                                                     : std::string(TrimBlanks(sat.Name)));
    out.models.push_back(sat.Fault.empty() ? MakeOrbitModel(sat) : nullptr);
    out.catalogNumbers.push_back(sat.CatalogNumber);
  }
  return out;
}

SatellitePasses PassesOf(const PassCandidates& satellites, std::size_t i,
                         const EngineContext& engine, const PassOptions& options) {
  SatellitePasses out;
  out.number = static_cast<int>(i) + 1;
  out.name = satellites.names[i];
  out.catalog = i < satellites.catalogNumbers.size() ? satellites.catalogNumbers[i] : 0;
  if (!satellites.models[i]) {
    out.search.visibility = Visibility::Failed;
    return out;
  }
  const std::int64_t from = options.start - kPassLookAround;
  const std::int64_t to = options.start + options.seconds + kPassLookAround;
  out.search = FindPasses(ModelTrack(engine, *satellites.models[i], from, to), options);
  return out;
}

std::vector<SatellitePasses> FindAllPasses(const PassCandidates& satellites,
                                           const Observer& station, const PassOptions& options,
                                           unsigned threads, SearchProgress* progress) {
  const EngineContext engine = SetupEngine(station);
  const std::size_t n = std::min(satellites.names.size(), satellites.models.size());
  std::vector<SatellitePasses> found(n);
  // Small batches from a shared counter: the threads finish together even
  // when some satellites take much longer than others.
  constexpr std::size_t kBatch = 8;
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> searched{0};
  const auto work = [&] {
    for (std::size_t first; (first = next.fetch_add(kBatch)) < n;) {
      if (progress != nullptr && progress->cancel.load()) return;
      const std::size_t last = std::min(n, first + kBatch);
      for (std::size_t i = first; i < last; ++i) found[i] = PassesOf(satellites, i, engine, options);
      searched += last - first;
      if (progress != nullptr) progress->done += last - first;
    }
  };
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  threads = static_cast<unsigned>(std::min<std::size_t>(threads, (n + kBatch - 1) / kBatch));
  std::vector<std::jthread> pool;
  for (unsigned k = 1; k < threads; ++k) pool.emplace_back(work);
  work();
  pool.clear();
  if (searched.load() < n) {
    // Cancelled: keep what was searched, in order.
    std::erase_if(found, [](const SatellitePasses& s) { return s.number == 0; });
  }
  return found;
}

}  // namespace rdz
