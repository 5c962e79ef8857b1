#pragma once
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace rdz {

// One member's value as a flat object holds it.
struct JsonValue {
  enum class Kind { String, Number, True, False, Null, Nested };
  Kind kind = Kind::Null;
  std::string text;  // a string's characters, or a number as written; empty otherwise
};

using FlatJsonObject = std::map<std::string, JsonValue, std::less<>>;

// Just enough JSON for arrays of flat objects: strings (escapes decoded,
// code points above 255 as '?'), numbers, true, false and null; nested objects
// and arrays are stepped over and kept as Nested.
class FlatJsonReader {
 public:
  explicit FlatJsonReader(std::string_view text) : s_(text) {}

  bool AtEnd();
  bool Take(char c);  // blanks first
  bool Peek(char c);
  // One object's members; false when the text is not one well-formed object.
  bool Object(FlatJsonObject& members);

 private:
  void SkipBlanks();
  bool String(std::string& out);
  bool Value(JsonValue& out, int depth);

  std::string_view s_;
  std::size_t i_ = 0;
};

}  // namespace rdz
