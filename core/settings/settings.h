#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings/alert_config.h"
#include "core/settings/locator.h"
#include "core/orbit/observer.h"
#include "core/settings/rig_config.h"
#include "core/settings/rotor_config.h"
#include "core/settings/station_config.h"
#include "core/orbit/horizon_mask.h"
#include "core/ports/sntp.h"

namespace rdz {

// "NTPSERVER = HOST[:PORT]": the clock check's time server. Without such a
// line the public pool; `server` is empty when the value is unusable.
struct NtpServerSetting {
  std::string text;
  std::optional<NtpServer> server;
  friend bool operator==(const NtpServerSetting&, const NtpServerSetting&) = default;
};

// Everything config.txt says, read at one instant. A value is never changed:
// reading the file again makes a new one.
struct Settings {
  bool read = false;                // false: no config.txt could be read
  std::string reason;               // then the system's few words why
  std::string bytes;                // the file as read
  std::vector<std::string> lines;   // satellites' attitude and transponder lines are found here
  Observer station;
  HorizonMask horizon;              // HORIZONMASK, else HORIZON, else 0: AOS, LOS, rotor and radio start
  std::optional<LocatorSquare> locator;  // LOCATOR, when it names a square
  std::string stationName;          // STATION
  StationKeys keys;
  RotorConfig rotor;
  RigConfig rig;
  NtpServerSetting ntp;
  AlertConfig alerts;
  std::vector<std::string> warnings;  // what the user should correct, each naming its key
};

// The settings a file's bytes give; `read` is set.
Settings SettingsFromBytes(std::string_view bytes);

// config.txt in the program directory: the only place that opens it. A file
// that cannot be read gives the defaults, `read` false and one warning.
Settings ReadSettings(const std::filesystem::path& programDir);

// The bytes of config.txt. Nothing when it cannot be read; `missing` tells a
// file that is not there from one that cannot be read.
std::optional<std::string> ReadConfigBytes(const std::filesystem::path& programDir, std::string* reason = nullptr,
                                           bool* missing = nullptr);

// What differs between two readings, for the parts that must follow.
struct SettingsChanges {
  bool station = false;     // LA, LO, HT, LOCATOR, STATION, HORIZON(MASK), TEMPOSCANN, AGEWARN
  bool selection = false;   // SATS: the table must be loaded again
  bool satellites = false;  // attitude or transponder lines
  bool rotor = false;
  bool rig = false;
  bool alerts = false;
  bool Any() const { return station || selection || satellites || rotor || rig || alerts; }
};
SettingsChanges ChangesBetween(const Settings& before, const Settings& after);

// The station's locator as the main window shows it: LOCATOR while the
// station lies in its square, else the 6 characters of LA and LO.
std::string StationLocator(const Settings& settings);

}  // namespace rdz
