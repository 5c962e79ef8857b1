#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/elements/mean_elements.h"

namespace rdz {

// The table shows names of exactly this many characters.
inline constexpr std::size_t kEntryNameWidth = 9;

// One satellite's Keplerian elements as read from the element file, with the
// antenna attitude that config.txt may give it.
struct ElementSet {
  std::string Name;           // kEntryNameWidth characters once loaded, blank padded
  double EpochYear = 0;       // full year, 2000 + two-digit year
  double EpochDay = 0;        // day of year with fraction, 1 Jan 00:00 = 1.0
  double Inclination = 0;     // degrees
  double Raan = 0;            // degrees
  double Eccentricity = 0;
  double ArgPerigee = 0;      // degrees
  double MeanAnomaly = 0;     // degrees
  double MeanMotion = 0;      // revolutions per day
  double DecayRate = 0;       // revolutions per day squared
  double EpochRev = 0;
  double SemiAxis = 0;        // km; 0 means derive it from MeanMotion
  double Alat = 0;            // antenna attitude latitude, degrees
  double Alon = 180;          // antenna attitude longitude, degrees
  ElementFormat Format = ElementFormat::Amsat;
  std::uint32_t CatalogNumber = 0;
  std::string Fault{};        // why the set cannot be computed; empty when it can
  // The SGP4 mean elements of a TLE or OMM set; none for AMSAT sets, which keep
  // the program's own model.
  std::shared_ptr<const MeanElementSet> Mean{};
};

}  // namespace rdz
