#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace rdz {

// `locator LOCATOR`: the centre of the square, "lat" and "lon" in degrees on
// two lines. `locator LAT LON`: the 6-character locator of that point.
// `args` starts with "locator".
int RunLocator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rdz
