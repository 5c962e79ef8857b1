#include "core/device/device_connection.h"

#include <algorithm>

namespace rdz {

std::chrono::milliseconds ReconnectPause(int attempts) {
  // 1, 2, 4, 8 s, then 10 s.
  const int shift = std::clamp(attempts - 1, 0, 4);
  return std::min(std::chrono::milliseconds(1000 << shift), std::chrono::milliseconds(10000));
}

}  // namespace rdz
