#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "core/elements/mean_elements.h"

namespace rdz {

// What an element text is, judged by its content alone.
ElementFormat DetectElementFormat(std::string_view text);

// Reads a TLE or OMM text. An AMSAT or unknown text gives no sets, only its format.
MeanElementFile ReadMeanElementText(std::string_view text);

}  // namespace rdz
