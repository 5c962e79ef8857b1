#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/sgp4/sgp4.h"
#include "core/base/civil_time.h"

namespace rdz {

enum class ElementFormat { Unknown, Amsat, Tle, OmmCsv, OmmXml, OmmJson };

// One SGP4 mean-element set as read from a TLE or OMM file.
struct MeanElementSet {
  std::string Name;                 // as read; a two-line set takes its catalog field
  std::uint32_t CatalogNumber = 0;  // up to 9 digits
  std::string ObjectId;             // international designator, as read
  CivilTime Epoch;                  // UTC, whole seconds
  double EpochSecondFraction = 0;   // 0 <= f < 1
  double EpochDays1950 = 0;         // days since 1949-12-31 00:00 UTC, the model's epoch
  double MeanMotion = 0;            // revolutions per day
  double Eccentricity = 0;
  double Inclination = 0;           // degrees
  double Raan = 0;                  // degrees
  double ArgPerigee = 0;            // degrees
  double MeanAnomaly = 0;           // degrees
  double Bstar = 0;                 // per Earth radius
  double MeanMotionDot = 0;         // revolutions per day^2 (first derivative / 2 as published)
  double MeanMotionDdot = 0;        // revolutions per day^3 (second derivative / 6)
  double EpochRev = 0;              // revolution number at epoch
  ElementFormat Format = ElementFormat::Unknown;
};

enum class SkipReason { BadChecksum, Malformed, Incomplete };

// What one read of an element text found.
struct MeanElementFile {
  ElementFormat Format = ElementFormat::Unknown;
  std::vector<MeanElementSet> Sets;
  int SkippedBadChecksum = 0;
  int SkippedMalformed = 0;    // a field missing or unreadable
  int SkippedIncomplete = 0;   // a line or record cut short
  int Skipped() const { return SkippedBadChecksum + SkippedMalformed + SkippedIncomplete; }
  void Skip(SkipReason why);
};

// Days since 1949-12-31 00:00 of a calendar instant (proleptic Gregorian).
double Days1950(const CivilTime& t, double secondFraction);

// Fills Epoch, EpochSecondFraction and EpochDays1950 from a full year and a day of
// year with fraction (1 January 00:00 = 1.0). False when the day is out of range.
bool SetEpochFromDayOfYear(MeanElementSet& set, int year, double dayOfYear);

// The set in the propagator's units.
sgp4::Elements ToSgp4Elements(const MeanElementSet& set);

}  // namespace rdz
