#include "core/settings/settings.h"

#include <system_error>

#include "core/settings/horizon_config.h"
#include "core/base/program_files.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

constexpr std::string_view kNtpKey = "NTPSERVER = ";

NtpServerSetting ReadNtpServer(const std::vector<std::string>& lines) {
  NtpServerSetting setting{ServerText(NtpServer{}), NtpServer{}};
  for (const std::string& line : lines) {
    if (line.compare(0, kNtpKey.size(), kNtpKey) != 0) continue;
    // A lone LF does not end a config line, but it ends the address.
    const std::string_view value = std::string_view(line).substr(kNtpKey.size());
    const std::string_view address = value.substr(0, value.find('\n'));
    setting.server = ParseNtpServer(address);
    setting.text = TrimBlanks(address, " \t");
  }
  if (setting.server) setting.text = ServerText(*setting.server);
  return setting;
}

// Attitude and transponder lines begin with a satellite's name and hold no key.
std::vector<std::string> SatelliteLines(const std::vector<std::string>& lines) {
  std::vector<std::string> found;
  for (const std::string& line : lines) {
    if (line.find(" = ") == std::string::npos) found.push_back(line);
  }
  return found;
}

bool SameStation(const Observer& a, const Observer& b) { return a.LA == b.LA && a.LO == b.LO && a.HT == b.HT; }

}  // namespace

Settings SettingsFromBytes(std::string_view bytes) {
  Settings s;
  s.read = true;
  s.bytes = bytes;
  s.lines = SplitTextLines(bytes);
  StationReading station = ReadStation(s.lines);
  s.station = station.station;
  s.locator = station.locator;
  s.stationName = station.name;
  s.warnings = std::move(station.warnings);
  // The mask replaces HORIZON; a mask refused leaves HORIZON in use.
  HorizonMaskReading mask = ReadHorizonMask(s.lines);
  s.horizon = mask.mask.value_or(HorizonMask(station.horizon.value_or(0.0)));
  s.warnings.insert(s.warnings.end(), mask.warnings.begin(), mask.warnings.end());
  s.keys = ReadStationKeys(s.lines);
  s.rotor = ReadRotorLines(s.lines);
  s.rotor.settings.horizon = s.horizon;
  s.rig = ReadRigLines(s.lines);
  s.ntp = ReadNtpServer(s.lines);
  s.alerts = ReadAlertLines(s.lines);
  return s;
}

std::optional<std::string> ReadConfigBytes(const std::filesystem::path& programDir, std::string* reason,
                                           bool* missing) {
  const std::filesystem::path file = programDir / kConfigFileName;
  std::error_code ec;
  if (missing) *missing = std::filesystem::status(file, ec).type() == std::filesystem::file_type::not_found;
  return ReadTextFile(file, reason);
}

Settings ReadSettings(const std::filesystem::path& programDir) {
  std::string reason;
  if (const auto bytes = ReadConfigBytes(programDir, &reason)) return SettingsFromBytes(*bytes);
  Settings s = SettingsFromBytes("");
  s.read = false;
  s.reason = reason;
  s.warnings = {"config.txt cannot be read (" + reason + "): the station stays at latitude 0, longitude 0"};
  return s;
}

SettingsChanges ChangesBetween(const Settings& before, const Settings& after) {
  SettingsChanges c;
  c.station = !SameStation(before.station, after.station) || !(before.horizon == after.horizon) ||
              StationLocator(before) != StationLocator(after) || before.stationName != after.stationName ||
              before.keys.TEMPOSCANN != after.keys.TEMPOSCANN || before.keys.AGEWARN != after.keys.AGEWARN ||
              before.warnings != after.warnings;
  c.selection = before.keys.SATS != after.keys.SATS;
  c.satellites = SatelliteLines(before.lines) != SatelliteLines(after.lines);
  c.rotor = !(before.rotor == after.rotor);
  c.rig = !(before.rig == after.rig);
  c.alerts = !(before.alerts == after.alerts);
  return c;
}

std::string StationLocator(const Settings& settings) {
  const double la = settings.station.LA.value_or(0), lo = settings.station.LO.value_or(0);
  if (settings.locator && settings.locator->Contains(la, lo)) return settings.locator->name;
  return LocatorOf(la, lo);
}

}  // namespace rdz
