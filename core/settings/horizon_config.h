#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/orbit/horizon_mask.h"

namespace rdz {

// "HORIZONMASK = 0:5 90:15 180:2 270:10": azimuth:elevation pairs in degrees,
// any order, azimuth 0..360 and elevation -10..90, each azimuth once (360 is
// 0). The last line of the key decides; a line with a pair that breaks these
// rules gives no mask and a warning naming the line and the pair.
struct HorizonMaskReading {
  std::optional<HorizonMask> mask;
  std::vector<std::string> warnings;
};
HorizonMaskReading ReadHorizonMask(const std::vector<std::string>& lines);

}  // namespace rdz
