#include "core/settings/horizon_config.h"

#include <algorithm>
#include <cmath>

#include "core/settings/keyed_lines.h"
#include "core/base/lenient_number.h"

namespace rdz {

namespace {

constexpr std::string_view kKey = "HORIZONMASK = ";

std::optional<MaskPoint> ReadPair(const std::string& word) {
  const auto colon = word.find(':');
  if (colon == std::string::npos) return std::nullopt;
  const auto az = WholeNumber(std::string_view(word).substr(0, colon));
  const auto el = WholeNumber(std::string_view(word).substr(colon + 1));
  if (!az || !el || *az < 0 || *az > 360 || *el < -10 || *el > 90) return std::nullopt;
  return MaskPoint{*az == 360 ? 0 : *az, *el};
}

}  // namespace

HorizonMaskReading ReadHorizonMask(const std::vector<std::string>& lines) {
  HorizonMaskReading reading;
  std::size_t last = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].starts_with(kKey)) last = i;
  }
  if (last == lines.size()) return reading;
  const std::string where = "config.txt line " + std::to_string(last + 1) + ": HORIZONMASK ";
  std::vector<MaskPoint> points;
  for (const std::string& word : Words(std::string_view(lines[last]).substr(kKey.size()))) {
    const auto point = ReadPair(word);
    const bool again = point && std::any_of(points.begin(), points.end(),
                                            [&](const MaskPoint& p) { return p.azimuth == point->azimuth; });
    if (!point || again) {
      reading.warnings.push_back(where + "\"" + word + "\"" +
                                 (again ? " repeats an azimuth" : " is not azimuth:elevation (0..360:-10..90)") +
                                 ": the mask is not used");
      return reading;
    }
    points.push_back(*point);
  }
  if (points.empty()) {
    reading.warnings.push_back(where + "has no azimuth:elevation pairs: the mask is not used");
    return reading;
  }
  reading.mask = HorizonMask(std::move(points));
  return reading;
}

}  // namespace rdz
