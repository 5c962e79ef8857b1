#include "download/read_url.h"

#include <array>

namespace rdz {

std::string ReadUrl(InternetLibrary& internet, const std::string& url, bool* complete) {
  constexpr unsigned long kPiece = 2048;
  const InternetLibrary::Handle root = internet.InternetOpenA(
      "VB Project", InternetLibrary::kPreconfigAccess, nullptr, nullptr, 0);
  const InternetLibrary::Handle request =
      root == 0 ? 0
                : internet.InternetOpenUrlA(root, url.c_str(), nullptr, 0,
                                            InternetLibrary::kFlagReload, 0);
  std::string result;
  std::array<char, kPiece> buffer;
  unsigned long count = 0;
  bool ended = false;  // the last read was the body's end, not a failure
  while (request != 0) {
    buffer.fill(' ');
    count = 0;
    const bool ok = internet.InternetReadFile(request, buffer.data(), kPiece, count);
    // A library that claims more than it was given must not take us past the buffer.
    if (count > kPiece) count = 0;
    result.append(buffer.data(), count);
    if (count == 0) ended = ok;
    if (count == 0 || result.size() > kMaxBodyBytes) break;
  }
  if (complete != nullptr) *complete = ended;
  if (request != 0) internet.InternetCloseHandle(request);
  if (root != 0) internet.InternetCloseHandle(root);
  return result;
}

}  // namespace rdz
