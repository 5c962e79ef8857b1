// Feeds arbitrary bytes to the TLE/OMM reader and propagates whatever it accepts.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/elements/element_formats.h"
#include "core/orbit/sgp4_satellite.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const rdz::MeanElementFile file = rdz::ReadMeanElementText(text);
  if (file.Skipped() < 0) __builtin_trap();
  const auto station = rdz::SetupEngine(rdz::Observer{46.5, 8.95, 420.0});
  for (const auto& set : file.Sets) {
    if (set.CatalogNumber > 999999999u) __builtin_trap();
    const rdz::sgp4::Satellite sat(set);
    for (const int day : {1, 15}) {
      const auto at = sat.At(station, rdz::CivilTime{2026, 5, day, 12, 0, 0});
      if (at.error == rdz::sgp4::Error::None && !std::isfinite(at.look.range)) __builtin_trap();
    }
  }
  return 0;
}
