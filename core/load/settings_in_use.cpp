#include "core/load/settings_in_use.h"

#include "core/settings/attitude_config.h"
#include "core/orbit/engine.h"
#include "core/base/text_lines.h"

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
