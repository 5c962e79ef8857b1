#include "app/cli_locator.h"

#include <cstdio>

#include "config/locator.h"
#include "platform/lenient_number.h"

namespace rdz {

namespace {

std::string Degrees(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", value);
  return text;
}

}  // namespace

int RunLocator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 2) {
    const auto square = ParseLocator(args[1]);
    if (!square) {
      err << "rodedizevad-cli: '" << args[1] << "' is not a locator of 4, 6 or 8 characters such as JN45FL\n";
      return 1;
    }
    out << "lat " << Degrees(square->CentreLatitude()) << "\nlon " << Degrees(square->CentreLongitude()) << "\n";
    return 0;
  }
  if (args.size() == 3) {
    const auto lat = WholeNumber(args[1]), lon = WholeNumber(args[2]);
    if (!lat || *lat < -90 || *lat > 90) {
      err << "rodedizevad-cli: latitude '" << args[1] << "' is not a number from -90 to 90\n";
      return 1;
    }
    if (!lon || *lon < -180 || *lon > 360) {
      err << "rodedizevad-cli: longitude '" << args[2] << "' is not a number from -180 to 360\n";
      return 1;
    }
    out << LocatorOf(*lat, *lon) << "\n";
    return 0;
  }
  err << "usage: rodedizevad-cli locator LOCATOR | LAT LON\n";
  return 2;
}

}  // namespace rdz
