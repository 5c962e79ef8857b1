#pragma once
#include <string>

namespace rdz {

// A short message on the desktop that asks nothing of the user: the desktop's
// own notification where there is one. Never waits for it.
class Notifier {
 public:
  virtual ~Notifier() = default;
  virtual void Notify(const std::string& summary, const std::string& body) = 0;
};

}  // namespace rdz
