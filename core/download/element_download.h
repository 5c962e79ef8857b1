#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/orbit/observer.h"
#include "core/settings/station_config.h"
#include "core/base/civil_time.h"
#include "core/ports/internet_library.h"
#include "core/ports/message_box.h"
#include "core/base/program_files.h"
#include "core/radio/transmitter_list.h"

namespace rdz {

inline constexpr const char* kFixedCopyPath = "d:\\prog\\radio\\dude\\amateur.txt";

// Where the element sets come from unless config.txt names another address.
inline constexpr const char* kBuiltInElementSetUrl =
    "http://www.amsat.org/amsat/ftp/keps/current/amsat.all";



// What a download brings: element sets that the table loads, or the list of
// transmitters that the Doppler line and the rig read.
enum class DownloadContent { ElementSets, Transmitters };

// One of the download commands: the file it writes and the box shown
// before the network is waited for.
struct ElementDownload {
  const char* fileName;
  const char* waitingText;
  bool fixedCopy;  // also writes kFixedCopyPath, where that drive exists
  // CelesTrak group downloads: the group, the config key that may replace its
  // address, and the menu command's caption.
  const char* group = nullptr;
  const char* urlKey = nullptr;
  DownloadContent content = DownloadContent::ElementSets;
};

// CelesTrak asks for the same group at most once in two hours.
inline constexpr int kGroupRequestSpacingSeconds = 2 * 60 * 60;
inline constexpr const char* kCelestrakGroupUrl =
    "https://celestrak.org/NORAD/elements/gp.php?GROUP=%s&FORMAT=csv";
// Tried in turn when no KEPURL is configured and the built-in address gives nothing usable.
inline constexpr const char* kAmsatTleUrl = "https://www.amsat.org/tle/current/nasabare.txt";

inline constexpr ElementDownload kGeoDownload{
    "geo.txt", "ATTENTION: Waiting INTERNET network and create new file geo.txt", false, "geo", "GEOURL"};
inline constexpr ElementDownload kGpsDownload{
    "gps.txt", "ATTENTION: Waiting INTERNET network and create new file gps.txt", false, "gps-ops", "GPSURL"};
inline constexpr ElementDownload kMilitaryDownload{
    "military.txt", "ATTENTION: Waiting INTERNET network and create new file military.txt", false,
    "military", "MILURL"};
inline constexpr ElementDownload kLeoDownload{
    "leo.txt", "ATTENTION: Waiting INTERNET network and create new file leo.txt", false, "weather", "LEOURL"};
inline constexpr ElementDownload kShuttleDownload{
    "shuttle.txt", "ATTENTION: Waiting INTERNET network and create new file shuttle.txt", false,
    "stations", "SHUTTLEURL"};

inline constexpr const char* kTransmitterListUrl = "https://db.satnogs.org/api/transmitters/?format=json";
inline constexpr ElementDownload kTransmitterDownload{
    kTransmitterFileName, "ATTENTION: Waiting INTERNET network and create new file transmitters.json", false,
    nullptr, "TRANSPONDERURL", DownloadContent::Transmitters};

// CelesTrak's GP query for the group.
std::string CelestrakGroupUrl(const char* group);

// Every address a download tries, in order: a group's configured or default
// address; the transmitter list's (TRANSPONDERURL or SatNOGS); a configured
// KEPURL alone; else the built-in AMSAT address, then AMSAT's TLE file, then
// CelesTrak's amateur group.
std::vector<std::string> ElementSetUrls(const StationKeys& keys, const ElementDownload& download);

inline constexpr ElementDownload kNewFileDownload{
    kNewElementFileName, "ATTENTION: Waiting INTERNET network and create new file amateur1.txt", false};
inline constexpr ElementDownload kUpdateDownload{
    kElementFileName, "ATTENTION: Waiting INTERNET network and UPDATE new file amateur.txt", true};

// What the command tells the user, and whether the file now holds new
// element sets (then it is loaded; otherwise the table keeps what it showed).
struct DownloadResult {
  bool written = false;
  std::string message;
  MessageIcon icon = MessageIcon::None;
};

// A downloaded file is usable when at least one of its element sets can be
// computed for this station at this instant (none: when one loads at all).
struct ElementCheck {
  Observer station;
  std::optional<CivilTime> utc;
};

// Everything one download needs, copied, so that it can run on any thread.
struct DownloadRequest {
  ElementDownload download;
  std::string url;
  std::filesystem::path programDir;
  ElementCheck check;
  std::optional<std::filesystem::path> secondCopy;  // where kFixedCopyPath is on this system
  std::vector<std::string> fallbacks{};  // tried in turn while nothing usable has arrived
};

bool HoldsUsableElementSets(std::string_view text, const ElementCheck& check);

// Checks the body and writes it as an element file, or as the transmitter
// list when it holds at least one transponder (CrLfText) (and the second copy, when
// given; its failure is ignored). A body that is not usable, or one larger
// than kMaxBodyBytes, leaves every file as it was.
DownloadResult StoreElementDownload(std::string_view body, const DownloadRequest& request);

// Fetches the request's URL and stores it as above. Only a whole answer with
// a success status counts (for a group download, 200 alone); anything else
// leaves every file as it was, and the message says why. While nothing usable
// has arrived the fallbacks are tried in turn, and the message names the
// address that delivered.
DownloadResult DownloadElementFile(InternetLibrary& internet, const DownloadRequest& request);

}  // namespace rdz
