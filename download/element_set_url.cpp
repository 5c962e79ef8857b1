#include "download/element_set_url.h"

#include <string_view>

#include "config/station_config.h"
#include "platform/text_lines.h"

namespace rdz {

std::string ElementSetUrlOf(const std::vector<std::string>& configLines) {
  constexpr std::string_view kKey = "KEPURL = ";
  std::string url = kBuiltInElementSetUrl;
  for (std::string_view line : configLines) {
    if (line.substr(0, kKey.size()) != kKey) continue;
    // A lone LF does not end a line, but it does end an address.
    line = line.substr(kKey.size());
    line = line.substr(0, line.find('\n'));
    const auto first = line.find_first_not_of(" \t");
    // An empty value is no address: the one found so far stays.
    if (first == std::string_view::npos) continue;
    url = line.substr(first, line.find_last_not_of(" \t") - first + 1);
  }
  return url;
}

std::string ElementSetUrl(const std::filesystem::path& programDir) {
  const auto lines = ReadTextLines(programDir / kConfigFileName);
  return lines ? ElementSetUrlOf(*lines) : std::string(kBuiltInElementSetUrl);
}

}  // namespace rdz
