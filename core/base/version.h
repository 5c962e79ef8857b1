#pragma once

namespace rdz {

// Both programs answer --version with it; the package's version is its number.
inline constexpr const char* kProgramVersion = "0.05beta";

}  // namespace rdz
