#pragma once

namespace rdz {

// The program's own files, bare names inside the program directory.
inline constexpr const char* kElementFileName = "amateur.txt";      // the element file
inline constexpr const char* kNewElementFileName = "amateur1.txt";  // a download kept apart
inline constexpr const char* kConfigFileName = "config.txt";        // the user's settings

}  // namespace rdz
