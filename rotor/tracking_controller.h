#pragma once
#include <string>

#include "orbit/element_table.h"
#include "platform/parallel_port.h"

namespace rdz {

inline constexpr int kRotorIntervalMs = 4000;  // one command every 4 s while tracking
inline constexpr int kFirstCommandMs = 1;      // the first one right after the next refresh

// What the tracking handlers read from and change in the main window. The
// controller keeps no state of its own: it is all in these controls.
class TrackingView {
 public:
  virtual ~TrackingView() = default;
  // LblAZ and LblEL.
  virtual std::string RotorAzimuthText() const = 0;
  virtual std::string RotorElevationText() const = 0;
  virtual void ShowRotorPosition(const std::string& az, const std::string& el) = 0;
  virtual void ShowTitle(const std::string& caption) = 0;
  // Timer2; enabling it while it runs keeps its countdown.
  virtual void EnableRotorTimer(bool enabled) = 0;
  virtual void SetRotorInterval(int milliseconds) = 0;
  // ImgAZEL.
  virtual void ShowTrackingPicture(bool visible) = 0;
  // Option1(60): the tracker status line, and its dark red emphasis after a command.
  virtual void ShowTrackerStatus(const std::string& caption) = 0;
  virtual void EmphasiseTrackerStatus(bool on) = 0;
  // Selects Option1(60) without running the selection handler; false when it
  // was selected already.
  virtual bool SelectTrackerOff() = 0;
};

// Option1(option) selected: 0..59 the satellite of that row, 60 tracking off.
void SelectForTracking(int option, const ElementTable& elements, TrackingView& view,
                       ParallelPort& port);
// Any Option1 button got the input focus.
void TrackerOptionFocused(TrackingView& view, ParallelPort& port);
// Timer2: sends LblAZ/LblEL while they hold a position, otherwise stops.
void RotorTick(TrackingView& view, ParallelPort& port);
// "PARK ANTENNA": tracking off and one transfer of the rest position.
void ParkAntenna(const ElementTable& elements, TrackingView& view, ParallelPort& port);

}  // namespace rdz
