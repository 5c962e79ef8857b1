#pragma once
#include <string>
#include <vector>

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
  // A modal question with one button per choice; returns the index of the
  // one chosen. The last choice must be the one that changes nothing: a box
  // closed without a choice, and a MessageBox that cannot ask, give it.
  virtual int Ask(const std::string& text, const std::string& title, const std::vector<std::string>& choices) {
    (void)text;
    (void)title;
    return static_cast<int>(choices.size()) - 1;
  }
};

}  // namespace rdz
