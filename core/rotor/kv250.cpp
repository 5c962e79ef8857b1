#include "core/rotor/kv250.h"

#include <algorithm>
#include <cmath>


namespace rdz {

namespace {

constexpr double kAzimuthScale = 0.70833;  // 255/360 to five decimals
constexpr double kElevationScale = 1.4166;  // 255/180 cut after four decimals
// Calibration of the rotor's zero; kept as constants so a mechanical offset
// is a one-line change.
constexpr double kAzimuthOffset = 0;
constexpr double kElevationOffset = 0;

constexpr std::uint8_t kIdle = 8;   // D3 high, clock and data low
constexpr std::uint8_t kData = 1;   // D0
constexpr std::uint8_t kClock = 2;  // D1

double FiniteOrZero(std::optional<double> value) {
  return value && std::isfinite(*value) ? *value : 0.0;
}

}  // namespace

std::uint16_t Kv250Word(std::optional<double> azimuth, std::optional<double> elevation) {
  double r = 0;
  if (azimuth && std::isfinite(*azimuth)) {
    r = std::nearbyint(*azimuth < 180 ? *azimuth + 180 : *azimuth - 180);
  }
  double e = std::nearbyint(FiniteOrZero(elevation));
  r = std::nearbyint(r + kAzimuthOffset);
  e = std::nearbyint(e + kElevationOffset);
  if (r < 0) r += 360;
  if (r > 360) r -= 360;
  r = std::clamp(r, 0.0, 360.0);
  e = std::clamp(e, 0.0, 180.0);
  // Both products lie within 0..255 after the clamps, so the casts are safe.
  const auto a = static_cast<std::uint16_t>(std::nearbyint(r * kAzimuthScale));
  const auto el = static_cast<std::uint16_t>(std::nearbyint(e * kElevationScale));
  return static_cast<std::uint16_t>(el * 256 + a);
}

std::array<std::uint8_t, kTransferWrites> Kv250Writes(std::uint16_t word) {
  std::array<std::uint8_t, kTransferWrites> writes{};
  std::size_t n = 0;
  for (int bit = 0; bit < 16; ++bit) {
    const std::uint8_t held = (word & 0x8000u) != 0 ? kIdle | kData : kIdle;
    writes[n++] = held;
    writes[n++] = held | kClock;
    writes[n++] = held;
    word = static_cast<std::uint16_t>(word << 1);
  }
  writes[n] = kIdle;
  return writes;
}

namespace {

void Transfer(std::uint16_t word, ParallelPort& port) noexcept {
  for (const std::uint8_t value : Kv250Writes(word)) port.OutPort(kTrackerPort, value);
}

}  // namespace

void SendTracker(double azimuth, double elevation, ParallelPort& port) noexcept {
  Transfer(Kv250Word(azimuth, elevation), port);
}

}  // namespace rdz
