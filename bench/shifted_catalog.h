#pragma once
// A large catalog made from real sets: copies of a file's sets turned along
// their orbits (mean anomaly) and about the Earth's axis (node), so that their
// passes fall elsewhere, as a busy catalog's do.
#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/load/element_loader.h"

namespace rdz::test {

inline std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// `count` sets; the file's own sets first, then the copies, each with a
// catalog number from 100000 on.
inline ElementSetsRead ShiftedCatalog(const ElementSetsRead& base, std::size_t count) {
  ElementSetsRead out;
  const std::size_t n = base.sets.size();
  for (std::size_t i = 0; i < count && n > 0; ++i) {
    ElementSet sat = base.sets[i % n];
    const auto k = static_cast<double>(i / n);
    const double ma = std::fmod(sat.MeanAnomaly + k * 137.507764, 360.0);
    const double node = std::fmod(sat.Raan + k * 97.3, 360.0);
    sat.MeanAnomaly = ma;
    sat.Raan = node;
    if (sat.Mean) {
      auto mean = std::make_shared<MeanElementSet>(*sat.Mean);
      mean->MeanAnomaly = ma;
      mean->Raan = node;
      sat.Mean = mean;
    }
    sat.CatalogNumber = static_cast<std::uint32_t>(100000 + i);
    out.sets.push_back(sat);
    out.fullNames.push_back(base.fullNames[i % n] + (i < n ? "" : " #" + std::to_string(i / n)));
  }
  out.counts.read = static_cast<int>(out.sets.size());
  return out;
}

}  // namespace rdz::test
