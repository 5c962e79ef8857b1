#include "platform/hamlib/hamlib_common.h"

#include <hamlib/rig.h>

#include <clocale>

namespace rdz::hamlib {

std::mutex& SharedState() {
  static std::mutex m;
  return m;
}

void PrepareOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    rig_set_debug(RIG_DEBUG_NONE);
    std::setlocale(LC_NUMERIC, "C");
  });
}

std::string ErrorText(int code, const char* device) {
  // rigerror in 4.5 appends its whole debug buffer; rigerror2 gives the one
  // message, in a static buffer.
  std::string text;
  {
    std::lock_guard lock(SharedState());
    const char* message = rigerror2(code);
    text = message != nullptr ? message : "";
  }
  text = text.substr(0, text.find('\n'));
  return text.empty() ? std::string(device) + " error " + std::to_string(code) : text;
}

}  // namespace rdz::hamlib
