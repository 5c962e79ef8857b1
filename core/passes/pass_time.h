#pragma once
#include <cstdint>
#include <string>

#include "core/base/civil_time.h"

namespace rdz {

// "2026-05-11T12:00:00Z" and the calendar's "20260511T120000Z".
std::string IsoUtc(std::int64_t seconds);
std::string CalendarUtc(std::int64_t seconds);

}  // namespace rdz
