#include "core/download/read_url.h"

#include <array>

namespace rdz {

std::string ReadUrl(InternetLibrary& internet, const std::string& url, UrlReading* reading) {
  constexpr unsigned long kPiece = 2048;
  const InternetLibrary::Handle root = internet.InternetOpenA(
      "VB Project", InternetLibrary::kPreconfigAccess, nullptr, nullptr, 0);
  const InternetLibrary::Handle request =
      root == 0 ? 0
                : internet.InternetOpenUrlA(root, url.c_str(), nullptr, 0,
                                            InternetLibrary::kFlagReload, 0);
  UrlReading outcome;
  if (request != 0) outcome.status = internet.HttpStatusCode(request);
  std::string result;
  std::array<char, kPiece> buffer;
  unsigned long count = 0;
  while (request != 0) {
    buffer.fill(' ');
    count = 0;
    const bool ok = internet.InternetReadFile(request, buffer.data(), kPiece, count);
    // A library that claims more than it was given must not take us past the buffer.
    if (count > kPiece) count = 0;
    result.append(buffer.data(), count);
    // An empty read is the body's end only when the library says it succeeded.
    if (count == 0) outcome.complete = ok;
    if (count == 0 || result.size() > kMaxBodyBytes) break;
  }
  outcome.failure = internet.LastFailure();
  if (request != 0) internet.InternetCloseHandle(request);
  if (root != 0) internet.InternetCloseHandle(root);
  if (reading != nullptr) *reading = std::move(outcome);
  return result;
}

}  // namespace rdz
