#include "core/passes/alert_schedule.h"

#include <algorithm>
#include <cstdio>

#include "core/passes/pass_export.h"
#include "core/passes/pass_time.h"

namespace rdz {

const char* EventWord(AlertEvent event) {
  switch (event) {
    case AlertEvent::Soon: return "soon";
    case AlertEvent::Aos: return "aos";
    case AlertEvent::Los: break;
  }
  return "los";
}

std::vector<Alert> AlertsOf(const std::vector<PassRow>& rows, const std::vector<SatelliteId>& ids,
                            std::int64_t leadSeconds) {
  std::vector<Alert> alerts;
  for (const PassRow& row : rows) {
    const std::size_t index = static_cast<std::size_t>(row.number - 1);
    const SatelliteId id = index < ids.size() ? ids[index] : SatelliteId{0, row.name};
    const Pass& p = row.pass;
    if (leadSeconds > 0 && p.aosFound) alerts.push_back({AlertEvent::Soon, p.aos.time - leadSeconds, id, p.aos});
    if (p.aosFound) alerts.push_back({AlertEvent::Aos, p.aos.time, id, p.aos});
    if (p.losFound) alerts.push_back({AlertEvent::Los, p.los.time, id, p.los});
  }
  std::stable_sort(alerts.begin(), alerts.end(), [](const Alert& a, const Alert& b) {
    if (a.due != b.due) return a.due < b.due;
    // A pass that ends is told before the next one begins.
    const auto rank = [](AlertEvent e) { return e == AlertEvent::Los ? 0 : e == AlertEvent::Aos ? 1 : 2; };
    return rank(a.event) < rank(b.event);
  });
  return alerts;
}

std::vector<std::string> AlertArguments(const Alert& alert) {
  return {EventWord(alert.event), alert.id.name, std::to_string(alert.id.catalog), IsoUtc(alert.at.time),
          Azimuth1(alert.at.azimuth), Angle1(alert.at.elevation)};
}

std::string AlertLine(const Alert& alert) {
  std::string line;
  for (const std::string& word : AlertArguments(alert)) line += (line.empty() ? "" : " ") + word;
  return line;
}

// What a search needs, fixed when the watch is made, so that it can run on another thread.
struct AlertWatch::Inputs {
  PassCandidates satellites;
  std::vector<SatelliteId> ids;
  Observer station;
  HorizonMask horizon;
  std::vector<int> chosen;
  std::int64_t lead;

  std::vector<Alert> From(std::int64_t from) const {
    PassOptions options;
    options.start = from;
    options.seconds = kAlertSearchSeconds;
    options.horizon = horizon;
    options.minElevation = horizon.Lowest();
    std::vector<SatellitePasses> found;
    for (const int k : chosen) {
      for (SatellitePasses& s : FindTablePasses(satellites, station, options, k)) found.push_back(std::move(s));
    }
    return AlertsOf(TimeOrdered(found), ids, lead);
  }
};

AlertWatch::AlertWatch(PassCandidates satellites, std::vector<SatelliteId> ids, Observer station, HorizonMask horizon,
                       std::vector<int> chosen, std::int64_t leadSeconds, BackgroundWork* background)
    : inputs_(std::make_shared<const Inputs>(Inputs{std::move(satellites), std::move(ids), station,
                                                    std::move(horizon), std::move(chosen), leadSeconds})),
      background_(background),
      self_(std::make_shared<AlertWatch*>(this)) {}

AlertWatch::~AlertWatch() { *self_ = nullptr; }

void AlertWatch::Search(std::int64_t from) {
  pending_ = round_;
  auto result = std::make_shared<std::vector<Alert>>();
  auto work = [inputs = inputs_, from, result] { *result = inputs->From(from); };
  auto done = [self = self_, from, round = round_, result] {
    if (*self != nullptr) (*self)->Found(from, round, std::move(*result));
  };
  StartOrRun(background_, std::move(work), std::move(done));
}

void AlertWatch::Found(std::int64_t from, int round, std::vector<Alert> alerts) {
  // Time went back while it ran: the search started since is the one that counts.
  if (round != round_) return;
  pending_.reset();
  alerts_ = std::move(alerts);
  searchedUntil_ = from + kAlertSearchSeconds;
}

std::vector<Alert> AlertWatch::Due(std::int64_t now) {
  // Time that went back (simulation) starts afresh.
  if (!last_ || now < *last_) {
    ++round_;
    alerts_.clear();
    searchedUntil_ = 0;
    last_ = now;
    checkedUntil_ = now;
    Search(now);
    return {};
  }
  last_ = now;
  // Half the span left: the next day's passes are found before they are needed.
  if (!pending_ && now + kAlertSearchSeconds / 2 > searchedUntil_) Search(checkedUntil_ + 1);
  // Until the first search ends nothing is known, and nothing counts as given.
  if (searchedUntil_ == 0) return {};
  std::vector<Alert> due;
  for (const Alert& a : alerts_) {
    if (a.due > checkedUntil_ && a.due <= now && now - a.due <= kLatestAlertSeconds) due.push_back(a);
  }
  checkedUntil_ = now;
  return due;
}

std::vector<int> EntriesNamed(const std::vector<std::string>& words, const std::vector<SatelliteId>& ids) {
  std::vector<int> entries;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const SatelliteId& id = ids[i];
    const bool named = std::any_of(words.begin(), words.end(), [&](const std::string& w) {
      return w == id.name || (id.catalog != 0 && w == std::to_string(id.catalog));
    });
    if (named) entries.push_back(static_cast<int>(i) + 1);
  }
  return entries;
}

}  // namespace rdz
