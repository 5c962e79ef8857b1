#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rdz {

// A calendar date and time with whole seconds (proleptic Gregorian calendar).
struct CivilTime {
  int year = 2000;
  int month = 1;   // 1..12
  int day = 1;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59
  friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

bool IsValidCivilTime(const CivilTime& t);

// Shifts a time by a whole number of seconds, across days, months and years.
CivilTime AddSeconds(const CivilTime& t, std::int64_t seconds);

// Seconds since 1970-01-01 00:00:00 of the time read as UTC, and back.
std::int64_t UnixSeconds(const CivilTime& t);
CivilTime CivilFromUnix(std::int64_t seconds);

// "dd/MM/yyyy" and "hh:mm:ss" (24-hour); always these separators, whatever the locale.
std::string FormatDate(const CivilTime& t);
std::string FormatTime(const CivilTime& t);

// Reads "dd/MM/yyyy" and "hh:mm:ss" exactly as written above; nothing for any other text
// or for a date that does not exist.
std::optional<CivilTime> ParseDateTime(std::string_view date, std::string_view time);

}  // namespace rdz
