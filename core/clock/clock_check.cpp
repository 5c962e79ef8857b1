#include "core/clock/clock_check.h"

#include <cmath>
#include <cstdio>


namespace rdz {

std::string Seconds3(double seconds) {
  double rounded = std::nearbyint(seconds * 1000) / 1000;
  if (rounded == 0) rounded = 0;  // drops the sign of a negative zero
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", rounded);
  return text;
}

ClockCheckBox ClockCheckMessage(const std::string& serverText, const SntpOutcome& outcome) {
  std::string text = "PC clock check with the time server " + serverText + "\r\n\r\n";
  if (!outcome.offset) {
    return {text + "No usable answer: " + outcome.error + ".\r\nThe PC clock was not checked.",
            MessageIcon::Exclamation};
  }
  const double offset = outcome.offset->offsetSeconds;
  const std::string shown = Seconds3(offset);
  text += "Offset (PC clock minus server): " + std::string(offset > 0 && shown != "0.000" ? "+" : "") + shown +
          " s\r\nRound trip: " + Seconds3(outcome.offset->delaySeconds) + " s";
  if (std::fabs(offset) <= kClockWarningSeconds) {
    return {text + "\r\n\r\nThe PC clock is within 1 s of the server: good for tracking.", MessageIcon::None};
  }
  return {text + "\r\n\r\nThe PC clock is " + Seconds3(std::fabs(offset)) + " s " +
              (offset > 0 ? "ahead" : "behind") +
              ": the table, the rotor and the forecast are that much off. Set the clock right, "
              "for example with the system's time synchronisation.",
          MessageIcon::Exclamation};
}

ClockCheckBox BadServerMessage(const std::string& serverText) {
  return {"NTPSERVER in config.txt is not a time server as HOST or HOST:PORT: \"" + serverText +
              "\"",
          MessageIcon::Exclamation};
}

}  // namespace rdz
