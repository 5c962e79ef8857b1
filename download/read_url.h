#pragma once
#include <cstddef>
#include <string>

#include "download/internet_library.h"

namespace rdz {

// No element file comes near this; a larger answer is not one.
inline constexpr std::size_t kMaxBodyBytes = 16u * 1024u * 1024u;

// The whole body of the URL as single-byte text, read in pieces of 2048 bytes.
// Shows no message: whatever arrived before a failure is returned, possibly
// nothing. Reading stops once more than kMaxBodyBytes have arrived. When given,
// `complete` tells whether the body arrived to its end, so that a caller can
// tell a connection that broke off from a short file.
std::string ReadUrl(InternetLibrary& internet, const std::string& url, bool* complete = nullptr);

}  // namespace rdz
