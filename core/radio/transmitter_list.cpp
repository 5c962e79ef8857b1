#include "core/radio/transmitter_list.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "core/radio/transponder_config.h"
#include "core/base/flat_json.h"
#include "core/base/lenient_number.h"
#include "core/base/text_lines.h"

namespace rdz {

namespace {

// A list downlink whose middle lies this close to a configured one's is the same link.
constexpr double kSameLinkHz = 10e3;
constexpr double kMaxCatalogNumber = 999999999;

const JsonValue* Member(const FlatJsonObject& o, std::string_view key) {
  const auto found = o.find(key);
  return found == o.end() ? nullptr : &found->second;
}

// A frequency member: absent or null is no frequency; anything but a
// positive finite number makes the entry unusable.
bool ReadHz(const FlatJsonObject& o, std::string_view key, std::optional<double>& hz) {
  const JsonValue* v = Member(o, key);
  if (v == nullptr || v->kind == JsonValue::Kind::Null) return true;
  if (v->kind != JsonValue::Kind::Number) return false;
  const auto value = WholeNumber(v->text);
  if (!value || !std::isfinite(*value) || *value <= 0) return false;
  hz = *value;
  return true;
}

bool ReadLink(const FlatJsonObject& o, std::string_view lowKey, std::string_view highKey,
              std::optional<double>& low, std::optional<double>& high) {
  if (!ReadHz(o, lowKey, low) || !ReadHz(o, highKey, high)) return false;
  if (!low) low = high;
  if (!high) high = low;
  if (low && *low > *high) std::swap(low, high);
  return true;
}

std::string TextOf(const FlatJsonObject& o, std::string_view key) {
  const JsonValue* v = Member(o, key);
  return v != nullptr && v->kind == JsonValue::Kind::String ? v->text : std::string();
}

enum class Entry { Usable, Dead, Malformed };

Entry ReadEntry(const FlatJsonObject& o, ListedTransponder& out) {
  const JsonValue* alive = Member(o, "alive");
  if (alive != nullptr && alive->kind == JsonValue::Kind::False) return Entry::Dead;
  const JsonValue* id = Member(o, "norad_cat_id");
  const auto number = id != nullptr && id->kind == JsonValue::Kind::Number ? WholeNumber(id->text)
                                                                           : std::nullopt;
  if (!number || *number < 1 || *number > kMaxCatalogNumber || *number != std::floor(*number)) {
    return Entry::Malformed;
  }
  out.catalogNumber = static_cast<std::uint32_t>(*number);
  Transponder& t = out.transponder;
  if (!ReadLink(o, "downlink_low", "downlink_high", t.downLow, t.downHigh) ||
      !ReadLink(o, "uplink_low", "uplink_high", t.upLow, t.upHigh) || (!t.downLow && !t.upLow)) {
    return Entry::Malformed;
  }
  t.description = TextOf(o, "description");
  t.mode = TextOf(o, "mode");
  t.upMode = TextOf(o, "uplink_mode");
  const JsonValue* invert = Member(o, "invert");
  t.invert = invert != nullptr && invert->kind == JsonValue::Kind::True;
  return Entry::Usable;
}

bool Covered(const Transponder& listed, std::span<const Transponder> configured) {
  const auto down = DownlinkCentre(listed);
  if (!down) return false;
  return std::any_of(configured.begin(), configured.end(), [&](const Transponder& c) {
    const auto own = DownlinkCentre(c);
    return own && std::abs(*own - *down) <= kSameLinkHz;
  });
}

}  // namespace

TransmitterList ReadTransmitterList(std::string_view text) {
  TransmitterList list;
  FlatJsonReader json(text);
  if (!json.Take('[') || json.Take(']')) return list;
  do {
    FlatJsonObject members;
    if (!json.Object(members)) {
      ++list.malformed;  // what follows cannot be told apart
      return list;
    }
    ListedTransponder entry;
    switch (ReadEntry(members, entry)) {
      case Entry::Usable: list.entries.push_back(std::move(entry)); break;
      case Entry::Dead: ++list.dead; break;
      case Entry::Malformed: ++list.malformed; break;
    }
  } while (json.Take(','));
  return list;
}

std::optional<TransmitterList> ReadTransmitterFile(const std::filesystem::path& programDir) {
  const auto text = ReadTextFile(programDir / kTransmitterFileName);
  if (!text) return std::nullopt;
  return ReadTransmitterList(*text);
}

std::vector<Transponder> TranspondersFor(const std::vector<std::string>& configLines,
                                         const TransmitterList& list, std::string_view trimmedName,
                                         std::uint32_t catalogNumber) {
  std::vector<Transponder> found = ConfiguredTransponders(configLines, trimmedName);
  const std::size_t configured = found.size();
  if (catalogNumber == 0) return found;
  for (const ListedTransponder& entry : list.entries) {
    if (entry.catalogNumber != catalogNumber) continue;
    if (!Covered(entry.transponder, std::span(found.data(), configured))) found.push_back(entry.transponder);
  }
  return found;
}

}  // namespace rdz
