#include "core/settings/attitude_config.h"

#include <cmath>

#include "core/base/lenient_number.h"

namespace rdz {

namespace {

void ApplyKey(std::string_view line, std::string_view key, double& value) {
  const auto at = line.find(key);
  if (at == std::string_view::npos) return;
  const double read = LenientNumber(line.substr(at + key.size()));
  if (std::isfinite(read)) value = read;
}

}  // namespace

Attitude AttitudeFor(const std::vector<std::string>& lines, std::string_view trimmedName) {
  Attitude attitude;
  for (const std::string& line : lines) {
    if (std::string_view(line).substr(0, trimmedName.size()) != trimmedName) continue;
    ApplyKey(line, "ALAT(", attitude.Alat);
    ApplyKey(line, "ALON(", attitude.Alon);
  }
  return attitude;
}

}  // namespace rdz
