#include "programs/cli/cli_commands.h"

#include "programs/cli/cli_clock.h"
#include "programs/cli/cli_doppler.h"
#include "programs/cli/cli_kv250.h"
#include "programs/cli/cli_locator.h"
#include "programs/cli/cli_sky_bodies.h"
#include "programs/cli/cli_table.h"
#include "programs/cli/cli_track.h"
#include "programs/cli/cli_watch.h"
#include "platform/hamlib/hamlib_library.h"

namespace rdz {

namespace {

int RunTrackWithHamlib(const CliCall& call) {
  HamlibRotorLibrary rotors;
  HamlibRigLibrary rigs;
  return RunTrack(call, rotors, rigs);
}

int RunClockWithClient(const CliCall& call) {
  if (call.services.sntp == nullptr) {
    call.err << kCliName << ": this build asks no time server\n";
    return 1;
  }
  return RunClock(call, *call.services.sntp);
}

int RunPictures(const CliCall& call) {
  if (call.services.pictures == nullptr) {
    call.err << kCliName << ": this build draws no pictures (it has no QtGui)\n";
    return 1;
  }
  return call.services.pictures(call);
}

int RunHelp(const CliCall& call) {
  const auto& pos = call.line.positional;
  if (pos.empty()) {
    call.out << OverviewText(call.commands);
    return 0;
  }
  const CliCommand* command = FindCommand(call.commands, pos[0]);
  if (command == nullptr) {
    WrongArguments(call.err, "", "unknown command '" + pos[0] + "'");
    return 2;
  }
  call.out << CommandHelpText(*command);
  return 0;
}

constexpr const char* kDirFile = "[--dir DIR] [--file NAME] ";

}  // namespace

const CliCommands& CommandTable() {
  static const CliCommands table = {
      {"table", std::string(kDirFile) + "DATE TIME", "the live table at that instant: its header and up to 60 rows",
       RunTable},
      {"state", std::string(kDirFile) + "SAT|SUN|MOON DATE TIME",
       "every value of one satellite at that instant, unrounded\n"
       "The look angles and the rest with nine decimals, then the range rate (km/s),\n"
       "the catalog number, the epoch and the age of the elements in days.\n"
       "SUN or MOON: az, el, range (km), sublat and sublon of the body, geometric\n"
       "(without refraction), from Meeus' series.",
       RunStateOfSatelliteOrBody},
      {"elements", std::string(kDirFile) + "DATE TIME",
       "each entry's number, name, catalog, format, model, epoch and age", RunElements},
      {"kv250", "AZ EL", "the bytes a KV250 rotor transfer writes for AZ EL; no port is used",
       RunKv250},
      {"passes",
       std::string(kDirFile) + "SAT DATE TIME\n--summary|--ics [--visible] [--days N] [--min-el E] " + kDirFile +
           "SAT|all DATE TIME\n--summary --catalog [--days N] [--min-el E] " + kDirFile + "DATE TIME",
       "one satellite's forecast list over 24 hours, or the passes over days\n"
       "Without options: the forecast window's list, samples 2, 4, ... 1440 minutes on.\n"
       "--summary: the passes of SAT or of all as CSV, --ics: as an iCalendar file;\n"
       "--catalog: of every set of the file, however many, with the catalog number;\n"
       "N whole days 1 to 31 (3 if not given), E degrees -90 to 90 (0).\n"
       "--visible: only the passes with the satellite sunlit while the station's Sun\n"
       "is 6 degrees or more below the horizon.",
       RunPasses},
      {"track", std::string(kDirFile) + "[--seconds N] SAT|SUN|MOON",
       "drives the rotor and the radio of config.txt after SAT in real time\n"
       "One line per direction the rotor took (UTC, az el, read-back az el) and per\n"
       "frequency the radio took, and the modes and tone it set at the start (rig mode);\n"
       "it stops after N seconds or at Ctrl-C, then parks the rotor when config.txt\n"
       "asks for it. SUN or MOON: the rotor alone follows the body.",
       RunTrackWithHamlib},
      {"watch", std::string(kDirFile) + "[--seconds N] [SAT...]",
       "the alerts of the satellites named, else of ALERTSATS, in real time\n"
       "One line per event: soon (ALERTLEAD minutes before AOS, with the AOS), aos or\n"
       "los, the name, the catalog number, the UTC time, azimuth and elevation; the\n"
       "program of ALERTCOMMAND is run with these as its arguments, without a shell.\n"
       "It stops after N seconds or at Ctrl-C; status 1 when the program failed.",
       RunWatch},
      {"map", std::string(kDirFile) + "[--width W] [--catalog] --out FILE.png DATE TIME",
       "the world map with satellite 1 selected, as a PNG\n"
       "--catalog: every set of the file, not only the table's, names where they fit.\n"
       "W pixels wide, 64 to 8192 (1024 if not given), and half as high.",
       RunPictures},
      {"sky", std::string(kDirFile) + "--out FILE.png SAT DATE TIME", "the sky at the station with SAT's track, as a PNG of 600 x 600",
       RunPictures},
      {"clock", "[--dir DIR] [--server HOST[:PORT]]",
       "the PC clock's offset from a time server, and the round trip\n"
       "offset S (PC clock minus server) and delay S, in seconds. The server comes\n"
       "from --server, else NTPSERVER in config.txt, else pool.ntp.org.",
       RunClockWithClient},
      {"doppler", std::string(kDirFile) + "SAT DATE TIME",
       "the range rate and each transponder's nominal and corrected links\n"
       "The range rate in km/s, then per transponder its description, nominal and\n"
       "corrected downlink, nominal and corrected uplink, in Hz (\"-\" for none); with\n"
       "an offset in offsets.txt, corrected where it puts the transponder, then \"offset N\".",
       RunDoppler},
      {"locator", "LOCATOR\nLAT LON",
       "the centre of a Maidenhead locator's square, or the locator of a point\n"
       "LOCATOR of 4, 6 or 8 characters (JN45FL): lat and lon of its centre in degrees,\n"
       "one per line. LAT LON in degrees: the 6-character locator.",
       RunLocator},
      {"help", "[COMMAND]", "this overview, or one command's usage and help", RunHelp},
  };
  return table;
}

}  // namespace rdz
