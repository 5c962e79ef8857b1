// Feeds arbitrary bytes to the transmitter-list reader (a downloaded file)
// and looks the transponders of one satellite up in what it read.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/radio/doppler_line.h"
#include "core/radio/transmitter_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const rdz::TransmitterList list = rdz::ReadTransmitterList(text);
  for (const rdz::ListedTransponder& entry : list.entries) {
    for (const rdz::Transponder& t : rdz::TranspondersFor({}, list, "X", entry.catalogNumber)) {
      (void)rdz::DopplerLineText(-7.5, &t);
    }
  }
  return 0;
}
