#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "core/settings/settings.h"
#include "core/ports/message_box.h"
#include "core/ports/sntp.h"

namespace rdz {


// Beyond this the PC clock puts the satellites visibly in the wrong place.
inline constexpr double kClockWarningSeconds = 1.0;

struct ClockCheckBox {
  std::string text;
  MessageIcon icon = MessageIcon::None;
};
ClockCheckBox ClockCheckMessage(const std::string& serverText, const SntpOutcome& outcome);
ClockCheckBox BadServerMessage(const std::string& serverText);

// Seconds with three decimals; never "-0.000".
std::string Seconds3(double seconds);

}  // namespace rdz
