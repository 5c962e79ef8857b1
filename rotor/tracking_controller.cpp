#include "rotor/tracking_controller.h"

#include "orbit/live_table.h"
#include "rotor/kv250.h"
#include "platform/lenient_number.h"
#include "platform/text_lines.h"

namespace rdz {

namespace {

void TrackingOff(TrackingView& view, ParallelPort& port) {
  view.ShowTrackerStatus("KV 250 tracker Offline");
  RotorTick(view, port);
  view.EnableRotorTimer(false);
  view.ShowTrackingPicture(false);
}

}  // namespace

void SelectForTracking(int option, const ElementTable& elements, TrackingView& view,
                       ParallelPort& port) {
  view.ShowRotorPosition("StBy", "StBy");
  view.ShowTitle(kStandardCaption);
  if (option < 0 || option >= kTrackerOffOption) {
    TrackingOff(view, port);
    return;
  }
  view.ShowTrackerStatus("KV 250 [" + std::string(TrimBlanks(elements[option + 1].Name)) + "]");
  // The tick below finds "StBy" and stops the timer again; the next refresh
  // re-enables it with this short interval, so the first command follows it at once.
  view.EnableRotorTimer(true);
  view.SetRotorInterval(kFirstCommandMs);
  RotorTick(view, port);
  view.ShowTrackingPicture(true);
}

void TrackerOptionFocused(TrackingView& view, ParallelPort& port) { TrackingOff(view, port); }

void RotorTick(TrackingView& view, ParallelPort& port) {
  const std::string az = view.RotorAzimuthText();
  // Any number is a position, 0 included: a satellite due north reads "0".
  if (ReadLeadingNumber(az)) {
    SendTracker(az, view.RotorElevationText(), port);
    view.EmphasiseTrackerStatus(true);
    view.SetRotorInterval(kRotorIntervalMs);
  } else {
    view.EnableRotorTimer(false);
    view.EmphasiseTrackerStatus(false);
  }
}

void ParkAntenna(const ElementTable& elements, TrackingView& view, ParallelPort& port) {
  if (view.SelectTrackerOff()) SelectForTracking(kTrackerOffOption, elements, view, port);
  view.EnableRotorTimer(false);
  view.ShowRotorPosition("PARK", "PARK");
  view.ShowTitle(kStandardCaption);
  SendTracker(0.0, 0.0, port);
  view.ShowTrackingPicture(false);
  view.EnableRotorTimer(false);
}

}  // namespace rdz
