#include "core/table/live_table.h"

#include <algorithm>

#include "core/table/row_text.h"
#include "core/base/vector_state.h"

namespace rdz {

namespace {

void ShowSelectedUp(LiveTableView& view, const SatState& s) {
  const std::string az = std::to_string(s.AZ);
  const std::string el = std::to_string(s.EL);
  view.ShowRotorPosition(az, el);
  view.ShowTitle("A:" + az + " E:" + el + " " + kStandardCaption);
  view.ShowTrackingPicture(true);
}

void ShowSelectedDown(LiveTableView& view) {
  view.ShowRotorPosition("StBy", "StBy");
  view.ShowTitle(kStandardCaption);
  view.ShowTrackingPicture(false);
}

}  // namespace

void RefreshLiveTable(const ElementTable& elements, const OrbitModels& models,
                      const Observer& station, const CivilTime& utc, LiveTableView& view) {
  // The window repaints between passes; its fills leave the vector state dirty.
  ClearUpperVectorState();
  const int n = std::min(static_cast<int>(models.size()), kTableRows);
  const EngineContext engine = SetupEngine(station);
  const int selected = view.SelectedOption();

  for (int k = 1; k <= n; ++k) {
    const int row = k - 1;
    const ElementSet& sat = elements[k];
    const std::optional<Propagation> p = models[static_cast<std::size_t>(row)]->At(engine, utc);
    // Up from a rounded 1 degree; a satellite that cannot be computed counts as down.
    const bool up = p && p->state.EL > 0;
    RowColours colours{kButtonFace, kButtonText};
    if (up) {
      colours = {kUpBackground, kUpText};
      if (row == selected) {
        ShowSelectedUp(view, p->state);
        colours.background = kTrackedBackground;
      }
    } else if (row == selected) {
      ShowSelectedDown(view);
    }

    if (!p) {
      view.ShowRow(row, FailedRowText(sat.Name), colours);
      continue;
    }
    const RowFields fields = FormatRowFields(sat.Name, p->state);
    view.ShowRow(row, RowText(fields), colours);
    if (k == 1) view.UpdateMap({fields.az, fields.el, fields.la, fields.lo, sat.Name});
  }
}

}  // namespace rdz
