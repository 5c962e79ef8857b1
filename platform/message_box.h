#pragma once
#include <string>

namespace rdz {

inline constexpr const char* kProgramName = "RodeDizevad";

enum class MessageIcon { None, Exclamation };

// A modal box with an OK button; returns when the user has closed it.
// Tests replace it, so no test ever waits on a real box.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // An empty title shows the program's name.
  virtual void Show(const std::string& text, const std::string& title = {},
                    MessageIcon icon = MessageIcon::None) = 0;
};

}  // namespace rdz
