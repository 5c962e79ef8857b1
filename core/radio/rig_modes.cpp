#include "core/radio/rig_modes.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>

#include "core/base/text_lines.h"

namespace rdz {

namespace {

constexpr std::pair<std::string_view, std::string_view> kSidebands[] = {
    {"USB", "LSB"}, {"CW", "CWR"}, {"PKTUSB", "PKTLSB"}};

std::string Upper(std::string_view text) {
  std::string up(TrimBlanks(text, " \t"));
  std::transform(up.begin(), up.end(), up.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return up;
}

std::string Opposite(const std::string& mode) {
  for (const auto& [a, b] : kSidebands) {
    if (mode == a) return std::string(b);
    if (mode == b) return std::string(a);
  }
  return mode;
}

}  // namespace

RigModes ModesFor(const Transponder& t) {
  RigModes m;
  m.receive = Upper(t.mode);
  if (!UplinkCentre(t)) return m;
  m.transmit = !t.upMode.empty() ? Upper(t.upMode) : t.invert ? Opposite(m.receive) : m.receive;
  if (std::isfinite(t.tone) && t.tone > 0 && t.tone < 1000) m.toneTenths = static_cast<int>(std::nearbyint(t.tone * 10));
  return m;
}

std::string ToneText(int tenthsHz) {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%d", tenthsHz / 10, tenthsHz % 10);
  return text;
}

}  // namespace rdz
