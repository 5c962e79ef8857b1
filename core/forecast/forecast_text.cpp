#include "core/forecast/forecast_text.h"

#include "core/base/number_text.h"

namespace rdz {

namespace {

// Non-negative values carry a blank where the sign would be.
std::string Signed(int value) {
  return (value < 0 ? "" : " ") + std::to_string(value);
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string ForecastTitle(const std::string& name) {
  return "AOS LOS next 24h [" + Trimmed(name) + "]";
}

std::string PassHeader(double revolution) {
  return "\r\n\r\n-------- NEXT ORBIT " + RightAlign(ShortestDecimalText(revolution), 7) +
         " --------\r\n";
}

std::string SampleLine(const std::string& date, const std::string& time, const SatState& s) {
  return "\r\nDATE: " + date + "\t\tUTC: " + time + "\tAZ: " + RightAlign(Signed(s.AZ), 4) +
         "\tEL: " + Signed(s.EL) + "\tMA: " + RightAlign(std::to_string(s.MA), 4);
}

}  // namespace rdz
