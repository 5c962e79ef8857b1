#include "core/radio/doppler_line.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/radio/doppler.h"

namespace rdz {

CorrectedLinks CorrectLinks(const Transponder& t, double rangeRateKmS, double offsetHz) {
  CorrectedLinks links;
  links.downNominal = DownlinkCentre(t);
  links.upNominal = UplinkCentre(t);
  std::optional<double> up = links.upNominal;
  if (links.downNominal) {
    links.downTune = DownlinkToTune(*links.downNominal + offsetHz, rangeRateKmS);
    up = UplinkFor(t, *links.downNominal + offsetHz);
  }
  if (up) links.upTune = UplinkToSend(*up, rangeRateKmS);
  return links;
}

std::string MegahertzText(double hz) {
  // Radio frequencies stay far below this; anything else is no frequency to show.
  if (!std::isfinite(hz) || hz < 0 || hz >= 1e15) return "-";
  const auto whole = static_cast<long long>(std::nearbyint(hz));
  char text[48];
  std::snprintf(text, sizeof text, "%lld.%03lld %03lld", whole / 1000000, whole / 1000 % 1000, whole % 1000);
  return text;
}

std::string DopplerLineText(std::optional<double> rangeRateKmS, const Transponder* chosen, double offsetHz) {
  if (!rangeRateKmS || !std::isfinite(*rangeRateKmS)) return {};
  char rate[48];
  std::snprintf(rate, sizeof rate, "RR %.3f km/s", *rangeRateKmS);
  std::string text = rate;
  if (chosen == nullptr) return text;
  const CorrectedLinks links = CorrectLinks(*chosen, *rangeRateKmS, offsetHz);
  if (links.downTune) text += "  DOWN " + MegahertzText(*links.downTune);
  if (links.upTune) text += "  UP " + MegahertzText(*links.upTune);
  return text;
}

TransponderChoice Rechoose(const TransponderChoice& before, int satellite,
                           std::vector<Transponder> transponders) {
  TransponderChoice choice{satellite, std::move(transponders), 0};
  const Transponder* worked = before.Chosen();
  if (worked == nullptr || before.satellite != satellite) return choice;
  const auto same = std::find(choice.transponders.begin(), choice.transponders.end(), *worked);
  if (same != choice.transponders.end()) choice.chosen = static_cast<int>(same - choice.transponders.begin());
  return choice;
}

}  // namespace rdz
