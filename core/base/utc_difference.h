#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace rdz {

// Hours as the UTC difference box shows them: "1", "-5", "5.5", "5.75", "0".
std::string HoursText(std::int64_t seconds);

// The UTC difference the window starts with: the system's offset, followed
// across daylight-saving changes until the user types a value of their own.
class UtcDifferenceDefault {
 public:
  // The text the box should show now; nothing to leave it as it is.
  std::optional<std::string> Follow(std::optional<std::int64_t> zoneOffsetSeconds);
  void UserTyped() { typed_ = true; }
  bool Typed() const { return typed_; }

 private:
  bool typed_ = false;
  std::optional<std::int64_t> shown_;
};

}  // namespace rdz
