#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rdz {

// Splits single-byte text into lines. A line ends at CR or at CR LF; a lone LF
// stays inside the line. Text after the last line end is a last line of its own.
std::vector<std::string> SplitTextLines(std::string_view text);

// Reads a whole file and splits it as above. Empty when the file cannot be opened.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);

}  // namespace rdz
