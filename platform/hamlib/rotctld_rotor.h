#pragma once
#include <memory>
#include <string>

#include "core/ports/rotor.h"

namespace rdz {

// A rotor behind a rotctld, spoken to in its text protocol: `address` is
// host:port (port 4533 when left out). Every call ends within `timeoutMs`;
// an answer that is not exactly what the command expects is a failure.
std::unique_ptr<Rotor> MakeRotctldRotor(const std::string& address, int timeoutMs);

}  // namespace rdz
