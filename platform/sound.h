#pragma once

namespace rdz {

// The short sound the main window makes when it closes; where the platform
// has no default sound it may do nothing.
class Sound {
 public:
  virtual ~Sound() = default;
  virtual void PlayClosingSound() = 0;
};

}  // namespace rdz
