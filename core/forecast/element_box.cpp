#include "core/forecast/element_box.h"

#include <array>
#include <charconv>

namespace rdz {

std::string GeneralNumberText(double value) {
  if (value == 0.0) return "0";  // also for -0
  // to_chars, unlike printf, never takes the decimal point from the locale.
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  return std::string(buffer.data(), result.ptr);
}

std::optional<std::string> SatelliteElementsText(const ElementTable& table, int row) {
  const int n = row + 1;
  if (n < 1 || n > ElementTable::kNameCapacity) return std::nullopt;
  const ElementSet& s = table[n];
  const std::string crlf = "\r\n";
  const auto line = [&](const char* label, double value) {
    return std::string(label) + GeneralNumberText(value) + crlf;
  };
  std::string text = "    Satellite: \t" + s.Name + "        nr. " + std::to_string(n) + crlf;
  text += crlf;
  text += line("    Year: \t\t", s.EpochYear);
  text += line("    Time: \t\t", s.EpochDay);
  text += line("    Inclination: \t", s.Inclination);
  text += line("    Raan: \t\t", s.Raan);
  text += line("    Eccentricity: \t", s.Eccentricity);
  text += line("    Arg of perigee: \t", s.ArgPerigee);
  text += line("    Ma: \t\t", s.MeanAnomaly);
  text += line("    Mm: \t\t", s.MeanMotion);
  text += line("    Dec rate: \t", s.DecayRate);
  text += line("    Epoc revolution: \t", s.EpochRev);
  text += line("    Semi axis (0) nc: \t", s.SemiAxis);
  text += line("    Alan (0) nc: \t", s.Alat);
  text += line("    Alon (180) nc: \t", s.Alon);
  return text;
}

}  // namespace rdz
