#pragma once
#include <atomic>
#include <cstddef>
#include <vector>

#include "core/load/element_loader.h"
#include "core/passes/table_passes.h"

namespace rdz {

// Every set of an element file, whatever its size, as the pass search takes
// them: index k - 1 is the file's k-th set, with its full name and its own
// model (none for a set that describes no orbit).
PassCandidates CandidatesOfFile(const ElementSetsRead& read);

// Watched and written while a search runs on other threads.
struct SearchProgress {
  std::atomic<std::size_t> done{0};  // satellites searched
  std::atomic<bool> cancel{false};   // set it to stop; the list is then incomplete
};

// The passes of every satellite, spread over `threads` threads (0: one per
// core); the list in satellite order whatever the number of threads. A
// satellite without a model is listed as one that cannot be computed.
std::vector<SatellitePasses> FindAllPasses(const PassCandidates& satellites,
                                           const Observer& station, const PassOptions& options,
                                           unsigned threads = 0, SearchProgress* progress = nullptr);

// The passes of satellite index i.
SatellitePasses PassesOf(const PassCandidates& satellites, std::size_t i,
                         const EngineContext& engine, const PassOptions& options);

}  // namespace rdz
