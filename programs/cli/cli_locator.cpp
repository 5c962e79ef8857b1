#include "programs/cli/cli_locator.h"

#include <cstdio>

#include "core/settings/locator.h"
#include "core/base/lenient_number.h"

namespace rdz {

namespace {

std::string Degrees(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", value);
  return text;
}

}  // namespace

int RunLocator(const CliCall& call) {
  const std::vector<std::string>& args = call.line.positional;
  if (args.size() == 1) {
    const auto square = ParseLocator(args[0]);
    if (!square) {
      call.Wrong("'" + args[0] + "' is not a locator of 4, 6 or 8 characters such as JN45FL");
      return 1;
    }
    call.out << "lat " << Degrees(square->CentreLatitude()) << "\nlon " << Degrees(square->CentreLongitude()) << "\n";
    return 0;
  }
  const auto lat = WholeNumber(args[0]), lon = WholeNumber(args[1]);
  if (!lat || *lat < -90 || *lat > 90) {
    call.Wrong("latitude '" + args[0] + "' is not a number from -90 to 90");
    return 1;
  }
  if (!lon || *lon < -180 || *lon > 360) {
    call.Wrong("longitude '" + args[1] + "' is not a number from -180 to 360");
    return 1;
  }
  call.out << LocatorOf(*lat, *lon) << "\n";
  return 0;
}

}  // namespace rdz
