#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/orbit/observer.h"
#include "core/table/satellite_id.h"
#include "core/passes/table_passes.h"

namespace rdz {

// "soon" comes the lead time before AOS and carries the AOS it announces;
// "aos" and "los" come at those seconds.
enum class AlertEvent { Soon, Aos, Los };
const char* EventWord(AlertEvent event);

struct Alert {
  AlertEvent event = AlertEvent::Aos;
  std::int64_t due = 0;  // unix seconds when it is given
  SatelliteId id;
  PassPoint at;          // the AOS or LOS: its time, azimuth and elevation
};

// The alerts of the passes in `rows`, in time order (AOS before LOS before
// the next pass's "soon" at the same second). `ids` holds entry k's identity
// at index k - 1; a lead of 0 gives no "soon".
std::vector<Alert> AlertsOf(const std::vector<PassRow>& rows, const std::vector<SatelliteId>& ids,
                            std::int64_t leadSeconds);

// What a program run at an alert gets: event, name, catalog number, UTC time
// (2026-05-11T12:00:00Z), azimuth and elevation with one decimal.
std::vector<std::string> AlertArguments(const Alert& alert);
// The same on one line, blank-separated.
std::string AlertLine(const Alert& alert);

// The alerts of some satellites as time goes on. Passes are searched a day
// ahead and again when that runs short; an alert is given once, in the
// second it falls due or up to a minute late, never for what was already
// past at the first look or before simulated time jumped back.
class AlertWatch {
 public:
  AlertWatch(PassCandidates satellites, std::vector<SatelliteId> ids, Observer station, HorizonMask horizon,
             std::vector<int> chosen, std::int64_t leadSeconds);
  std::vector<Alert> Due(std::int64_t now);
  const std::vector<Alert>& Upcoming() const { return alerts_; }

 private:
  void Search(std::int64_t from);

  PassCandidates satellites_;
  std::vector<SatelliteId> ids_;
  Observer station_;
  HorizonMask horizon_;
  std::vector<int> chosen_;
  std::int64_t lead_;
  std::vector<Alert> alerts_;
  std::int64_t searchedUntil_ = 0;
  std::optional<std::int64_t> last_;
};

inline constexpr std::int64_t kAlertSearchSeconds = 2 * 86400;
inline constexpr std::int64_t kLatestAlertSeconds = 60;

// The entries of a table that `words` name (catalog number or trimmed name),
// each once, in table order.
std::vector<int> EntriesNamed(const std::vector<std::string>& words, const std::vector<SatelliteId>& ids);

}  // namespace rdz
