#pragma once
#include <cstdint>
#include <string>

#include "platform/civil_time.h"

namespace rdz {

// Seconds since 1970-01-01 00:00 UTC, and back.
std::int64_t UnixSeconds(const CivilTime& t);
CivilTime CivilFromUnix(std::int64_t seconds);

// "2026-05-11T12:00:00Z" and the calendar's "20260511T120000Z".
std::string IsoUtc(std::int64_t seconds);
std::string CalendarUtc(std::int64_t seconds);

}  // namespace rdz
