#include "programs/cli/cli_sky_bodies.h"

#include <cstdio>

#include "programs/cli/cli_arguments.h"
#include "programs/cli/cli_table.h"
#include "core/settings/settings.h"
#include "core/orbit/body_look.h"

namespace rdz {

namespace {

std::string Fixed9(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.9f", value);
  return buffer;
}

}  // namespace

int RunStateOfSatelliteOrBody(const CliCall& call) {
  const auto& pos = call.line.positional;
  const auto body = BodyNamed(pos[0]);
  if (!body) return RunState(call);
  const auto instant = InstantArgument(call, pos[1], pos[2]);
  if (!instant) return 1;
  const Settings settings = ReadSettings(call.line.dir);
  if (!settings.read) {
    call.err << kCliName << ": warning: cannot read config.txt in " << call.line.dir << " (" << settings.reason
             << "); the station stays at latitude 0, longitude 0\n";
  }
  for (const std::string& warning : settings.read ? settings.warnings : std::vector<std::string>{}) {
    call.err << kCliName << ": warning: " << warning << "\n";
  }
  const BodyState s = BodyStateAt(*body, settings.station, static_cast<double>(UnixSeconds(*instant)));
  const std::pair<const char*, double> fields[] = {{"az", s.look.azimuth},  {"el", s.look.elevation},
                                                   {"range", s.look.range}, {"sublat", s.subLatitude},
                                                   {"sublon", s.subLongitude}};
  std::string text;
  for (const auto& [name, value] : fields) text += std::string(name) + " " + Fixed9(value) + "\n";
  call.out << text;
  return 0;
}

}  // namespace rdz
