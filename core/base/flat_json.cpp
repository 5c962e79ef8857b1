#include "core/base/flat_json.h"

#include <cctype>

namespace rdz {

bool FlatJsonReader::AtEnd() {
  SkipBlanks();
  return i_ >= s_.size();
}

bool FlatJsonReader::Take(char c) {
  SkipBlanks();
  if (i_ < s_.size() && s_[i_] == c) {
    ++i_;
    return true;
  }
  return false;
}

bool FlatJsonReader::Peek(char c) {
  SkipBlanks();
  return i_ < s_.size() && s_[i_] == c;
}

bool FlatJsonReader::Object(FlatJsonObject& members) {
  if (!Take('{')) return false;
  if (Take('}')) return true;
  do {
    std::string key;
    JsonValue value;
    if (!String(key) || !Take(':') || !Value(value, 0)) return false;
    members[key] = std::move(value);
  } while (Take(','));
  return Take('}');
}

void FlatJsonReader::SkipBlanks() {
  while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
}

bool FlatJsonReader::String(std::string& out) {
  if (!Take('"')) return false;
  while (i_ < s_.size()) {
    const char c = s_[i_++];
    if (c == '"') return true;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (i_ >= s_.size()) return false;
    const char e = s_[i_++];
    switch (e) {
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case 'u': {
        if (i_ + 4 > s_.size()) return false;
        unsigned code = 0;
        for (int k = 0; k < 4; ++k) {
          const auto d = static_cast<unsigned char>(s_[i_++]);
          if (!std::isxdigit(d)) return false;
          code = code * 16 + (std::isdigit(d) ? d - '0' : (d | 0x20) - 'a' + 10);
        }
        out += code < 256 ? static_cast<char>(code) : '?';
        break;
      }
      default: out += e;
    }
  }
  return false;
}

bool FlatJsonReader::Value(JsonValue& out, int depth) {
  if (depth > 32) return false;
  out = JsonValue{};
  SkipBlanks();
  if (Peek('"')) {
    out.kind = JsonValue::Kind::String;
    return String(out.text);
  }
  if (Take('{') || Take('[')) {
    out.kind = JsonValue::Kind::Nested;
    const char close = s_[i_ - 1] == '{' ? '}' : ']';
    if (Take(close)) return true;
    do {
      std::string ignoredKey;
      JsonValue ignored;
      if (close == '}' && (!String(ignoredKey) || !Take(':'))) return false;
      if (!Value(ignored, depth + 1)) return false;
    } while (Take(','));
    return Take(close);
  }
  const std::size_t start = i_;
  while (i_ < s_.size() && std::string_view(",}] \t\r\n").find(s_[i_]) == std::string_view::npos) ++i_;
  const std::string_view word = s_.substr(start, i_ - start);
  if (word.empty()) return false;
  if (word == "null") {
    out.kind = JsonValue::Kind::Null;
  } else if (word == "true") {
    out.kind = JsonValue::Kind::True;
  } else if (word == "false") {
    out.kind = JsonValue::Kind::False;
  } else {
    out.kind = JsonValue::Kind::Number;
    out.text = std::string(word);
  }
  return true;
}

}  // namespace rdz
