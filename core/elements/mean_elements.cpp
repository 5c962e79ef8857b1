#include "core/elements/mean_elements.h"

#include <cmath>
#include <numbers>

namespace rdz {
namespace {

// Days from 1970-01-01 to a civil date.
std::int64_t DaysFromCivil(int y, int m, int d) { return UnixSeconds(CivilTime{y, m, d, 0, 0, 0}) / 86400; }

constexpr std::int64_t kDays1950From1970 = -7306;  // 1949-12-31 relative to 1970-01-01

}  // namespace

void MeanElementFile::Skip(SkipReason why) {
  switch (why) {
    case SkipReason::BadChecksum: ++SkippedBadChecksum; break;
    case SkipReason::Malformed: ++SkippedMalformed; break;
    case SkipReason::Incomplete: ++SkippedIncomplete; break;
  }
}

double Days1950(const CivilTime& t, double secondFraction) {
  const auto days = static_cast<double>(DaysFromCivil(t.year, t.month, t.day) - kDays1950From1970);
  return days + (t.hour * 3600.0 + t.minute * 60.0 + t.second + secondFraction) / 86400.0;
}

bool SetEpochFromDayOfYear(MeanElementSet& set, int year, double dayOfYear) {
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (!(dayOfYear >= 1.0 && dayOfYear < (leap ? 367.0 : 366.0))) return false;
  const double seconds = (dayOfYear - 1.0) * 86400.0;
  const double whole = std::floor(seconds);
  set.Epoch = AddSeconds(CivilTime{year, 1, 1, 0, 0, 0}, static_cast<std::int64_t>(whole));
  set.EpochSecondFraction = seconds - whole;
  set.EpochDays1950 =
      static_cast<double>(DaysFromCivil(year, 1, 1) - kDays1950From1970) + dayOfYear - 1.0;
  return true;
}

sgp4::Elements ToSgp4Elements(const MeanElementSet& set) {
  constexpr double rad = std::numbers::pi / 180.0;
  sgp4::Elements e;
  e.epochDays1950 = set.EpochDays1950;
  e.meanMotion = set.MeanMotion * sgp4::TwoPi / sgp4::MinutesPerDay;
  e.eccentricity = set.Eccentricity;
  e.inclination = set.Inclination * rad;
  e.raan = set.Raan * rad;
  e.argPerigee = set.ArgPerigee * rad;
  e.meanAnomaly = set.MeanAnomaly * rad;
  e.bstar = set.Bstar;
  return e;
}

}  // namespace rdz
