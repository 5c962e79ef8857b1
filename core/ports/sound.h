#pragma once

namespace rdz {

// The short sounds of the main window (closing, an alert); where the platform
// has no default sound it may do nothing.
class Sound {
 public:
  virtual ~Sound() = default;
  virtual void PlayClosingSound() = 0;
  // The short sound of an alert; by default the closing one.
  virtual void PlayAlertSound() { PlayClosingSound(); }
};

}  // namespace rdz
