#pragma once
#include <string>

namespace rdz {

// The system's few words for an errno value, starting lower-case so they read
// inside a sentence ("permission denied"); a full disk is "disk full".
std::string OsReason(int err);

// Said of anything that is not a regular file (a folder, a FIFO, a device).
inline constexpr const char* kNotARegularFile = "not a regular file";

}  // namespace rdz
