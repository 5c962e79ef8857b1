#include "core/base/os_reason.h"

#include <cctype>
#include <cerrno>
#include <system_error>

namespace rdz {

std::string OsReason(int err) {
  if (err == ENOSPC || err == EDQUOT) return "disk full";
  std::string text = std::system_category().message(err);
  if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
  return text;
}

}  // namespace rdz
