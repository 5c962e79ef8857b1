#include <cctype>

#include "core/elements/omm_reader.h"
#include "core/base/flat_json.h"

namespace rdz {
namespace {

// OMM keywords upper-cased; values that are not strings or numbers are empty.
bool ReadObject(FlatJsonReader& json, OmmFields& fields) {
  FlatJsonObject members;
  if (!json.Object(members)) return false;
  for (auto& [name, value] : members) {
    std::string key = name;
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const bool text = value.kind == JsonValue::Kind::String || value.kind == JsonValue::Kind::Number;
    fields[key] = text ? std::move(value.text) : std::string();
  }
  return true;
}

void Add(const OmmFields& fields, MeanElementFile& file) {
  SkipReason why;
  if (auto set = OmmFromFields(fields, ElementFormat::OmmJson, why))
    file.Sets.push_back(std::move(*set));
  else
    file.Skip(why);
}

}  // namespace

void ReadOmmJson(std::string_view text, MeanElementFile& file) {
  FlatJsonReader json(text);
  if (json.Peek('{')) {
    OmmFields fields;
    if (ReadObject(json, fields)) Add(fields, file);
    else file.Skip(SkipReason::Incomplete);
    return;
  }
  if (!json.Take('[') || json.Take(']')) return;
  do {
    OmmFields fields;
    if (!ReadObject(json, fields)) {
      // The rest cannot be told apart: count the broken object and stop.
      file.Skip(json.AtEnd() ? SkipReason::Incomplete : SkipReason::Malformed);
      return;
    }
    Add(fields, file);
  } while (json.Take(','));
}

}  // namespace rdz
