#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/base/atomic_file.h"
#include "core/radio/transponder.h"

namespace rdz {

inline constexpr const char* kOffsetFileName = "offsets.txt";

// Where the operator found each transponder, satellite side, in Hz from its
// nominal downlink: one line per satellite and transponder,
//   "SATELLITE NOMINAL_HZ OFFSET_HZ"
// SATELLITE its catalog number, else its trimmed name (blanks allowed: the
// last two words are the numbers), NOMINAL_HZ the middle of the downlink
// (else the uplink) in whole Hz. Lines that read otherwise are left out.
class TransponderOffsets {
 public:
  static TransponderOffsets Read(std::string_view text);
  std::string Text() const;  // sorted, CR LF

  // The satellite as the file names it.
  static std::string Satellite(std::uint32_t catalogNumber, std::string_view trimmedName);

  std::optional<double> Find(const std::string& satellite, const Transponder& t) const;
  // An offset of a transponder without a frequency is not kept.
  void Remember(const std::string& satellite, const Transponder& t, double offsetHz);
  void Forget(const std::string& satellite, const Transponder& t);
  bool operator==(const TransponderOffsets&) const = default;

 private:
  std::map<std::pair<std::string, long long>, long long> offsets_;
};

// The file in the program folder; none when it is missing or unreadable.
TransponderOffsets ReadOffsetFile(const std::filesystem::path& programDir);
// Written whole, atomically; the old file is untouched on failure.
WriteOutcome SaveOffsetFile(const std::filesystem::path& programDir, const TransponderOffsets& offsets);

}  // namespace rdz
