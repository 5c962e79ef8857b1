// Feeds arbitrary bytes to the element reader as if they were amateur.txt.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/load/element_loader.h"
#include "core/orbit/engine.h"
#include "core/base/text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  rdz::ElementTable table;
  const int count = rdz::ReadElementBlocks(rdz::SplitTextLines(text), table);
  if (count < 0 || count > rdz::ElementTable::kOrbitalCapacity) __builtin_trap();
  // Whatever was read must propagate or fail cleanly, never misbehave.
  const rdz::EngineContext engine = rdz::SetupEngine(rdz::Observer{46.5, 8.95, 420.0});
  for (int k = 1; k <= count; ++k) {
    rdz::KeplerModel(table[k]).AtDay(engine, 2026, 131.5);
  }
  return 0;
}
