#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "core/ports/parallel_port.h"

namespace rdz {

// KV250 tracker interface: a 16-bit word shifted out MSB first on the data
// lines of LPT1. D0 carries the bit, D1 is the shift clock, D3 stays high.
inline constexpr int kTrackerPort = kLpt1Data;
inline constexpr int kTransferWrites = 49;  // 3 per bit, then the idle byte

// Elevation code in the high byte, azimuth code in the low byte. Azimuth is
// compass degrees (the rotor counts from south), elevation degrees above the
// horizon; a value that is missing or not finite counts as 0.
std::uint16_t Kv250Word(std::optional<double> azimuth, std::optional<double> elevation);

// The bytes of one transfer of word, in the order they are written.
std::array<std::uint8_t, kTransferWrites> Kv250Writes(std::uint16_t word);

// One complete transfer to port 888; nothing here ever fails towards the caller.
void SendTracker(double azimuth, double elevation, ParallelPort& port) noexcept;

}  // namespace rdz
