#include "core/rotor/tracking_controller.h"

#include "core/table/live_table.h"
#include "core/base/text_lines.h"

namespace rdz {

std::string TrackerCaption(const std::string& device, const std::string* satellite) {
  if (!satellite) return device + " tracker Offline";
  return device + " [" + std::string(TrimBlanks(*satellite)) + "]";
}

void SelectForTracking(int option, const ElementTable& elements, const std::string& device, TrackingView& view) {
  view.ShowRotorPosition("StBy", "StBy");
  view.ShowTitle(kStandardCaption);
  const bool off = option < 0 || option >= kTrackerOffOption;
  view.ShowTrackerStatus(TrackerCaption(device, off ? nullptr : &elements[option + 1].Name));
  view.ShowTrackingPicture(!off);
}

void ParkAntenna(const ElementTable& elements, const std::string& device, TrackingView& view) {
  if (view.SelectTrackerOff()) SelectForTracking(kTrackerOffOption, elements, device, view);
  view.ShowRotorPosition("PARK", "PARK");
  view.ShowTitle(kStandardCaption);
  view.ShowTrackingPicture(false);
}

}  // namespace rdz
