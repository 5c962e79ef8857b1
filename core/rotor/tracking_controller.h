#pragma once
#include <string>

#include "core/elements/element_table.h"

namespace rdz {

// What the tracking handlers change in the main window. Where the rotor
// points is the rotor link's business; these are the controls that show it.
class TrackingView {
 public:
  virtual ~TrackingView() = default;
  // LblAZ and LblEL.
  virtual void ShowRotorPosition(const std::string& az, const std::string& el) = 0;
  virtual void ShowTitle(const std::string& caption) = 0;
  // ImgAZEL.
  virtual void ShowTrackingPicture(bool visible) = 0;
  // Option1(60): the tracker status line.
  virtual void ShowTrackerStatus(const std::string& caption) = 0;
  // Selects Option1(60) without running the selection handler; false when it
  // was selected already.
  virtual bool SelectTrackerOff() = 0;
};

// The tracker status line for `device` ("KV 250", or the rotor model's name):
// the satellite it follows, or that it follows none.
std::string TrackerCaption(const std::string& device, const std::string* satellite);

// Option1(option) selected: 0..59 the satellite of that row, 60 tracking off.
void SelectForTracking(int option, const ElementTable& elements, const std::string& device, TrackingView& view);
// "PARK ANTENNA": tracking off; the rotor link sends the rest position.
void ParkAntenna(const ElementTable& elements, const std::string& device, TrackingView& view);

}  // namespace rdz
