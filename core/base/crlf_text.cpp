#include "core/base/crlf_text.h"

namespace rdz {

std::string CrLfText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32 + 2);
  char previous = '\0';
  for (const char c : text) {
    if (c == '\n' && previous != '\r') out += '\r';
    out += c;
    previous = c;
  }
  out += "\r\n";
  return out;
}

}  // namespace rdz
