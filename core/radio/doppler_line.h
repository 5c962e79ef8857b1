#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/radio/transponder.h"
#include "core/radio/transponder_choice.h"

namespace rdz {

// A transponder's nominal links (the middle of each passband) and what to
// tune and send at a range rate, in Hz, for the satellite-side downlink
// `offsetHz` from the nominal one; empty where the link is missing.
struct CorrectedLinks {
  std::optional<double> downNominal, downTune, upNominal, upTune;
};
CorrectedLinks CorrectLinks(const Transponder& t, double rangeRateKmS, double offsetHz = 0);

// Whole hertz as MHz with the hertz grouped: 145961234 -> "145.961 234".
std::string MegahertzText(double hz);

// The top band's Doppler line: "RR -5.123 km/s  DOWN 145.961 234  UP 432.148 766",
// a missing link left out; empty without a range rate. `offsetHz` moves the
// satellite-side downlink from the nominal one (the uplink with it).
std::string DopplerLineText(std::optional<double> rangeRateKmS, const Transponder* chosen, double offsetHz = 0);

inline constexpr const char* kNoTransponders =
    "none: download the list with Menu -> Transponders Internet or add one with Tracker -> Transponders...";

// The choice for `satellite` with these transponders: the transponder worked
// before stays chosen while the same satellite keeps one equal to it, else
// the first (the default).
TransponderChoice Rechoose(const TransponderChoice& before, int satellite,
                           std::vector<Transponder> transponders);

}  // namespace rdz
