#pragma once
#include <optional>

namespace rdz {

// The station record. Fields stay unset until config.txt gives them; an unset
// field counts as 0 in computations and shows as empty text.
struct Observer {
  std::optional<double> LA;  // geodetic latitude, degrees, north positive
  std::optional<double> LO;  // longitude, degrees, east positive
  std::optional<double> HT;  // height above sea level, metres
};

}  // namespace rdz
