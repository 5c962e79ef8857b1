#pragma once
#include <cstdint>

namespace rdz {

// A colour as the windows take it: either a 24-bit value in blue-green-red byte
// order (0xBBGGRR) or one of the system colours named by role, resolved by the
// toolkit when it is applied so that it follows the user's theme.
class Colour {
 public:
  enum class Role : std::uint8_t { Value, ButtonFace, ButtonText };

  static constexpr Colour Bgr(std::uint32_t bgr) { return Colour(Role::Value, bgr & 0xFFFFFFu); }
  static constexpr Colour System(Role role) { return Colour(role, 0); }

  constexpr Role role() const { return role_; }
  constexpr bool IsSystem() const { return role_ != Role::Value; }
  constexpr std::uint32_t bgr() const { return bgr_; }
  constexpr int Red() const { return static_cast<int>(bgr_ & 0xFFu); }
  constexpr int Green() const { return static_cast<int>((bgr_ >> 8) & 0xFFu); }
  constexpr int Blue() const { return static_cast<int>((bgr_ >> 16) & 0xFFu); }

  friend constexpr bool operator==(const Colour&, const Colour&) = default;

 private:
  constexpr Colour(Role role, std::uint32_t bgr) : role_(role), bgr_(bgr) {}
  Role role_;
  std::uint32_t bgr_;
};

inline constexpr Colour kButtonFace = Colour::System(Colour::Role::ButtonFace);
inline constexpr Colour kButtonText = Colour::System(Colour::Role::ButtonText);

}  // namespace rdz
