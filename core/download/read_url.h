#pragma once
#include <cstddef>
#include <string>

#include "core/ports/internet_library.h"

namespace rdz {

// No element file comes near this; a larger answer is not one.
inline constexpr std::size_t kMaxBodyBytes = 16u * 1024u * 1024u;

// How a reading went, for a caller that must tell a whole answer from a broken one.
struct UrlReading {
  bool complete = false;  // the body arrived to its end
  int status = 0;         // HTTP status of the answer; 0 when none came
  std::string failure;    // the library's cause when it stopped early
};

// The whole body of the URL as single-byte text, read in pieces of 2048 bytes.
// Shows no message: whatever arrived before a failure is returned, possibly
// nothing. Reading stops once more than kMaxBodyBytes have arrived.
std::string ReadUrl(InternetLibrary& internet, const std::string& url,
                    UrlReading* reading = nullptr);

}  // namespace rdz
