#include "core/base/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace rdz {

std::string ShortestDecimalText(double value) {
  if (value == 0.0) return "0";  // also for -0
  if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "Inf" : "-Inf");
  std::array<char, 400> buffer;  // fixed notation of the largest double fits
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  return std::string(buffer.data(), result.ptr);
}

std::string RightAlign(const std::string& text, std::size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), ' ') + text;
}

}  // namespace rdz
