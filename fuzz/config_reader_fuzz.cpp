// Feeds arbitrary bytes to the config.txt readers (station, attitude,
// transponder and radio lines, the radio keys written back) and the station box text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/attitude_config.h"
#include "core/settings/personal_data.h"
#include "core/settings/rig_config.h"
#include "core/settings/settings.h"
#include "core/settings/station_config.h"
#include "core/radio/transponder_config.h"
#include "core/orbit/engine.h"
#include "core/base/text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto lines = rdz::SplitTextLines(text);
  const rdz::Observer station = rdz::SettingsFromBytes(text).station;
  rdz::ElementSet sat;
  sat.MeanMotion = 14.9;
  sat.Eccentricity = 0.001;
  (void)rdz::AttitudeFor(lines, "");
  const rdz::Attitude attitude = rdz::AttitudeFor(lines, "AO-40");
  sat.Alat = attitude.Alat;
  sat.Alon = attitude.Alon;
  (void)rdz::PersonalDataText(station);
  (void)rdz::ConfiguredTransponders(lines, "AO-07");
  (void)rdz::WithRigConfig(text, rdz::ReadRigLines(lines));
  const rdz::EngineContext engine = rdz::SetupEngine(station);
  rdz::KeplerModel(sat).AtDay(engine, 2026, 131.5);
  return 0;
}
