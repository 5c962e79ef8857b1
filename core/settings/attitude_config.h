#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace rdz {

// A satellite's antenna attitude, degrees.
struct Attitude {
  double Alat = 0;
  double Alon = 180;
};

// The default attitude with every config line applied that begins with the
// satellite's trimmed name ('AO-40 ALAT(0) ALON(210)'), in file order. A key
// missing from a line, or whose value is not a finite number, keeps its value.
Attitude AttitudeFor(const std::vector<std::string>& lines, std::string_view trimmedName);

}  // namespace rdz
