#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orbit/mean_elements.h"

namespace rdz {

// Lines ended by CR, CR LF or LF.
std::vector<std::string> SplitAnyLines(std::string_view text);

// What an element text is, judged by its content alone.
ElementFormat DetectElementFormat(std::string_view text);

// Reads a TLE or OMM text. An AMSAT or unknown text gives no sets, only its format.
MeanElementFile ReadMeanElementText(std::string_view text);

// The same for a file; nothing when it cannot be read.
std::optional<MeanElementFile> ReadMeanElementFile(const std::filesystem::path& path);

}  // namespace rdz
