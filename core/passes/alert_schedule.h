#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/orbit/observer.h"
#include "core/ports/background_work.h"
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
// past at the first look or before simulated time jumped back. Searches run
// on `background` where one is given (alerts that fall due meanwhile come
// when it ends, within the minute), else at once.
class AlertWatch {
 public:
  AlertWatch(PassCandidates satellites, std::vector<SatelliteId> ids, Observer station, HorizonMask horizon,
             std::vector<int> chosen, std::int64_t leadSeconds, BackgroundWork* background = nullptr);
  ~AlertWatch();
  AlertWatch(const AlertWatch&) = delete;
  AlertWatch& operator=(const AlertWatch&) = delete;

  std::vector<Alert> Due(std::int64_t now);
  const std::vector<Alert>& Upcoming() const { return alerts_; }
  bool Searching() const { return pending_.has_value(); }

 private:
  struct Inputs;
  void Search(std::int64_t from);
  void Found(std::int64_t from, int round, std::vector<Alert> alerts);

  std::shared_ptr<const Inputs> inputs_;
  BackgroundWork* background_;
  // Cleared when the watch goes: a search that ends later finds nothing to fill.
  std::shared_ptr<AlertWatch*> self_;
  std::vector<Alert> alerts_;
  std::int64_t searchedUntil_ = 0;
  std::optional<std::int64_t> last_;      // the latest second looked at
  std::int64_t checkedUntil_ = 0;         // alerts due up to here were given or are past
  int round_ = 0;                         // a new one each time simulated time goes back
  std::optional<int> pending_;            // the round of the search under way
};

inline constexpr std::int64_t kAlertSearchSeconds = 2 * 86400;
inline constexpr std::int64_t kLatestAlertSeconds = 60;

// The entries of a table that `words` name (catalog number or trimmed name),
// each once, in table order.
std::vector<int> EntriesNamed(const std::vector<std::string>& words, const std::vector<SatelliteId>& ids);

}  // namespace rdz
