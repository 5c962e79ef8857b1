#include "orbit/settings_in_use.h"

#include "config/attitude_config.h"
#include "orbit/engine.h"
#include "platform/text_lines.h"

namespace rdz {

void UseSettings(TrackerState& state, std::shared_ptr<const Settings> settings) {
  state.Config = std::move(settings);
  const Settings& s = *state.Config;
  state.Station = s.station;
  state.TEMPOSCANN = s.keys.TEMPOSCANN.value_or(0);
  state.AGEWARN = s.keys.AGEWARN.value_or(TrackerState{}.AGEWARN);
  for (int k = 1; k <= state.SatCount; ++k) {
    ElementSet& sat = state.Elements[k];
    const Attitude attitude = AttitudeFor(s.lines, TrimBlanks(sat.Name));
    sat.Alat = attitude.Alat;
    sat.Alon = attitude.Alon;
  }
  state.Models = MakeOrbitModels(state.Elements, state.SatCount);
}

}  // namespace rdz
