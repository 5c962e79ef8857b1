#include "app/cli_sky_bodies.h"

#include <cstdio>
#include <sstream>

#include "app/cli_arguments.h"
#include "config/settings.h"
#include "orbit/body_look.h"

namespace rdz {

namespace {

constexpr const char* kUsage = "usage: rodedizevad-cli state [--dir DIR] SUN|MOON DATE TIME\n";

std::string Fixed9(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.9f", value);
  return buffer;
}

}  // namespace

bool IsBodyState(const std::vector<std::string>& args) {
  if (args.empty() || args[0] != "state") return false;
  std::ostringstream ignored;  // RunBodyState reports a malformed line
  const auto line = ParseCommandLine(args, {}, {}, {}, ignored);
  return line && !line->positional.empty() && BodyNamed(line->positional[0]).has_value();
}

int RunBodyState(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
                 std::ostream& out, std::ostream& err) {
  const auto line = ParseCommandLine(args, defaultDir, {}, {}, err);
  if (!line) return 2;
  if (line->positional.size() != 3) {
    err << kUsage;
    return 2;
  }
  const auto instant = InstantArgument(line->positional[1], line->positional[2], err);
  if (!instant) return 1;
  const Settings settings = ReadSettings(line->dir);
  if (!settings.read) {
    err << "rodedizevad-cli: warning: cannot read config.txt in " << line->dir << " (" << settings.reason
        << "); the station stays at latitude 0, longitude 0\n";
  }
  for (const std::string& warning : settings.read ? settings.warnings : std::vector<std::string>{}) {
    err << "rodedizevad-cli: warning: " << warning << "\n";
  }
  const SkyBody body = *BodyNamed(line->positional[0]);
  const BodyState s = BodyStateAt(body, settings.station, static_cast<double>(UnixSeconds(*instant)));
  const std::pair<const char*, double> fields[] = {{"az", s.look.azimuth},      {"el", s.look.elevation},
                                                   {"range", s.look.range},     {"sublat", s.subLatitude},
                                                   {"sublon", s.subLongitude}};
  std::string text;
  for (const auto& [name, value] : fields) text += std::string(name) + " " + Fixed9(value) + "\n";
  out << text;
  return 0;
}

}  // namespace rdz
