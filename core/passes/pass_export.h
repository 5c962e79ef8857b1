#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/passes/table_passes.h"

namespace rdz {

inline constexpr const char* kPassCsvHeader =
    "name,aos_utc,aos_az,tca_utc,tca_az,max_el,los_utc,los_az,duration_s";

// One line per pass under the header, each ended by `lineEnd`; times as
// 2026-05-11T12:00:00Z, angles with one decimal. With `catalog`, each line
// starts with the catalog number.
std::string PassesCsv(const std::vector<PassRow>& rows, std::string_view lineEnd, bool catalog = false);

// An iCalendar file (UTF-8, CR LF, long lines folded) with one event per pass
// from AOS to LOS, stamped `stamp` (unix seconds, when it was made).
std::string PassesCalendar(const std::vector<PassRow>& rows, std::int64_t stamp);

// "AO-07 pass, max 45°" (UTF-8): the highest elevation rounded to a whole degree.
std::string PassSummary(const PassRow& row);

// One decimal; an azimuth that rounds up to 360.0 is shown as 0.0.
std::string Angle1(double degrees);
std::string Azimuth1(double degrees);

}  // namespace rdz
