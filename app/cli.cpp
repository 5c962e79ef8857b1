#include "app/cli.h"
#include "app/cli_arguments.h"
#include "app/cli_clock.h"
#include "app/cli_doppler.h"
#include "app/cli_kv250.h"
#include "app/cli_locator.h"
#include "app/cli_passes.h"
#include "app/cli_passes_summary.h"
#include "app/cli_track.h"

#include <cstdio>
#include <optional>
#include <sstream>

#include "orbit/element_loader.h"
#include "orbit/engine.h"
#include "orbit/row_text.h"
#include "orbit/sgp4_model.h"
#include "platform/civil_time.h"
#include "platform/program_files.h"
#include "platform/hamlib/hamlib_rig.h"
#include "platform/hamlib/hamlib_rotor.h"

namespace rdz {

namespace {

constexpr const char* kUsage =
    "usage: rodedizevad-cli table [--dir DIR] [--file NAME] DATE TIME\n"
    "       rodedizevad-cli state [--dir DIR] [--file NAME] SAT DATE TIME\n"
    "       rodedizevad-cli elements [--dir DIR] [--file NAME] DATE TIME\n"
    "       rodedizevad-cli kv250 AZ EL\n"
    "       rodedizevad-cli passes [--dir DIR] [--file NAME] SAT DATE TIME\n"
    "       rodedizevad-cli passes --summary|--ics [--days N] [--min-el E] [--dir DIR]\n"
    "                              [--file NAME] SAT|all DATE TIME\n"
    "       rodedizevad-cli track [--dir DIR] [--file NAME] [--seconds N] SAT\n"
    "       rodedizevad-cli map [--dir DIR] [--file NAME] [--width W] --out FILE.png DATE TIME\n"
    "       rodedizevad-cli sky [--dir DIR] [--file NAME] --out FILE.png SAT DATE TIME\n"
    "       rodedizevad-cli clock [--dir DIR] [--server HOST[:PORT]]\n"
    "       rodedizevad-cli doppler [--dir DIR] [--file NAME] SAT DATE TIME\n"
    "       rodedizevad-cli locator LOCATOR | LAT LON\n"
    "DATE is dd/MM/yyyy and TIME hh:mm:ss, both UTC; SAT counts from 1.\n"
    "clock prints the PC clock's offset from a time server (PC minus server) and the\n"
    "round trip, in seconds.\n"
    "doppler prints the range rate (km/s) and, per transponder, the nominal and\n"
    "corrected downlink and uplink in Hz (SAT also a catalog number or a name).\n";

struct Request {
  std::string command;
  std::filesystem::path dir;
  std::string file = kElementFileName;
  std::vector<std::string> positional;
};

std::optional<Request> ParseArgs(const std::vector<std::string>& args,
                                 const std::filesystem::path& defaultDir, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return std::nullopt;
  }
  const auto line = ParseCommandLine(args, defaultDir, {}, {}, err);
  if (!line) return std::nullopt;
  Request request{args[0], line->dir, line->file, line->positional};
  const std::string& command = request.command;
  const std::size_t wanted = command == "table" || command == "elements" ? 2 : command == "state" || command == "passes" ? 3 : 0;
  if (wanted == 0) {
    err << "rodedizevad-cli: unknown command '" << request.command << "'\n" << kUsage;
    return std::nullopt;
  }
  if (request.positional.size() != wanted) {
    err << kUsage;
    return std::nullopt;
  }
  return request;
}

std::optional<int> ParseSatNumber(const std::string& text) {
  if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  return std::stoi(text);
}

std::string Fixed9(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.9f", value);
  return buffer;
}

std::string StateText(const RawSatState& raw) {
  const std::pair<const char*, double> fields[] = {
      {"az", raw.azimuth},        {"el", raw.elevation},     {"range", raw.range},
      {"height", raw.height},     {"sublat", raw.subLatitude}, {"sublon", raw.subLongitude},
      {"phase", raw.phase},       {"illum", raw.illumination}, {"squint", raw.squint},
      {"rn", raw.revolution}};
  std::string text;
  for (const auto& [name, value] : fields) text += std::string(name) + " " + Fixed9(value) + "\n";
  return text;
}

std::string EpochText(const ElementSet& sat) {
  const auto epoch = EpochOf(sat);
  if (!epoch) return "-";
  char buffer[64];
  const CivilTime& t = epoch->utc;
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return buffer;
}

std::string AgeText(const ElementSet& sat, const CivilTime& utc) {
  const auto age = AgeDays(sat, utc);
  if (!age) return "-";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", *age);
  return buffer;
}

std::string ElementLine(int k, const ElementSet& sat, const CivilTime& utc) {
  return std::to_string(k) + " " + sat.Name + " " + std::to_string(sat.CatalogNumber) + " " +
         FormatName(sat.Format) + " " + ModelName(sat) + " " + EpochText(sat) + " " +
         AgeText(sat, utc);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
           std::ostream& out, std::ostream& err, SntpClient* sntp) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    out << kUsage << "Program directory (amateur.txt, config.txt): " << defaultDir.string() << "\n";
    return 0;
  }
  if (!args.empty() && args[0] == "kv250") return RunKv250(args, out, err);
  if (!args.empty() && args[0] == "locator") return RunLocator(args, out, err);
  if (!args.empty() && args[0] == "doppler") return RunDoppler(args, defaultDir, out, err);
  if (!args.empty() && args[0] == "track") {
    HamlibRotorLibrary hamlib;
    HamlibRigLibrary rigs;
    return RunTrack(args, defaultDir, out, err, hamlib, rigs);
  }
  if (IsPassSummary(args)) return RunPassSummary(args, defaultDir, out, err);
  if (!args.empty() && args[0] == "clock" && sntp != nullptr) {
    return RunClock(args, defaultDir, *sntp, out, err);
  }
  const auto request = ParseArgs(args, defaultDir, err);
  if (!request) return 2;

  const auto& pos = request->positional;
  const std::string& date = pos[pos.size() - 2];
  const std::string& time = pos[pos.size() - 1];
  const auto instant = InstantArgument(date, time, err);
  if (!instant) return 1;

  TrackerState state;
  const auto load = LoadForCommand(request->dir, request->file, state, err);
  if (!load) return 1;
  WarnWithoutConfig(request->dir, *load, err);

  const EngineContext engine = SetupEngine(state.Station);

  if (request->command == "table") {
    std::ostringstream text;
    text << kTableHeader << "\n";
    const int rows = state.SatCount > 60 ? 60 : state.SatCount;
    for (int k = 1; k <= rows; ++k) {
      const ElementSet& sat = state.Elements[k];
      const auto p = state.Models[static_cast<std::size_t>(k - 1)]->At(engine, *instant);
      text << (p ? FormatRowText(sat.Name, p->state) : FailedRowText(sat.Name)) << "\n";
    }
    out << text.str();
    return 0;
  }

  if (request->command == "elements") {
    std::ostringstream text;
    for (int k = 1; k <= state.SatCount; ++k) text << ElementLine(k, state.Elements[k], *instant) << "\n";
    out << text.str();
    return 0;
  }

  const auto sat = ParseSatNumber(pos[0]);
  if (!sat || *sat < 1 || *sat > state.SatCount) {
    err << "rodedizevad-cli: satellite number '" << pos[0] << "' is not between 1 and "
        << state.SatCount << "\n";
    return 1;
  }
  if (request->command == "passes") {
    out << PassesText(state, *sat, *instant);
    return 0;
  }
  const auto p = state.Models[static_cast<std::size_t>(*sat - 1)]->At(engine, *instant);
  if (!p) {
    err << "rodedizevad-cli: satellite " << *sat << " (" << state.Elements[*sat].Name
        << ") cannot be computed from its elements\n";
    return 1;
  }
  const ElementSet& entry = state.Elements[*sat];
  out << StateText(p->raw);
  out << "rangerate " << (p->raw.rangeRate ? Fixed9(*p->raw.rangeRate) : "-") << "\n"
      << "catalog " << entry.CatalogNumber << "\n"
      << "epoch " << EpochText(entry) << "\n"
      << "age " << AgeText(entry, *instant) << "\n";
  return 0;
}

}  // namespace rdz
