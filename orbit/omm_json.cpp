#include <cctype>

#include "orbit/omm_reader.h"

namespace rdz {
namespace {

// Just enough JSON for arrays of flat objects; nested values are stepped over.
class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : s_(text) {}

  bool AtEnd() {
    SkipBlanks();
    return i_ >= s_.size();
  }
  bool Take(char c) {
    SkipBlanks();
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  bool Peek(char c) {
    SkipBlanks();
    return i_ < s_.size() && s_[i_] == c;
  }

  // One object's members; values that are not strings or numbers become empty.
  bool Object(OmmFields& fields) {
    if (!Take('{')) return false;
    if (Take('}')) return true;
    do {
      std::string key, value;
      if (!String(key) || !Take(':') || !Value(value, 0)) return false;
      for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      fields[key] = std::move(value);
    } while (Take(','));
    return Take('}');
  }

 private:
  void SkipBlanks() {
    while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
  }

  bool String(std::string& out) {
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

  bool Value(std::string& out, int depth) {
    if (depth > 32) return false;
    SkipBlanks();
    if (Peek('"')) return String(out);
    if (Take('{') || Take('[')) {
      const char close = s_[i_ - 1] == '{' ? '}' : ']';
      if (Take(close)) return true;
      do {
        std::string ignored;
        if (close == '}' && (!String(ignored) || !Take(':'))) return false;
        if (!Value(ignored, depth + 1)) return false;
      } while (Take(','));
      out.clear();
      return Take(close);
    }
    const std::size_t start = i_;
    while (i_ < s_.size() && std::string_view(",}] \t\r\n").find(s_[i_]) == std::string_view::npos)
      ++i_;
    const std::string_view word = s_.substr(start, i_ - start);
    if (word.empty()) return false;
    if (word != "null" && word != "true" && word != "false") out = std::string(word);
    return true;
  }

  std::string_view s_;
  std::size_t i_ = 0;
};

void Add(const OmmFields& fields, MeanElementFile& file) {
  SkipReason why;
  if (auto set = OmmFromFields(fields, ElementFormat::OmmJson, why))
    file.Sets.push_back(std::move(*set));
  else
    file.Skip(why);
}

}  // namespace

void ReadOmmJson(std::string_view text, MeanElementFile& file) {
  JsonReader json(text);
  if (json.Peek('{')) {
    OmmFields fields;
    if (json.Object(fields)) Add(fields, file);
    else file.Skip(SkipReason::Incomplete);
    return;
  }
  if (!json.Take('[') || json.Take(']')) return;
  do {
    OmmFields fields;
    if (!json.Object(fields)) {
      // The rest cannot be told apart: count the broken object and stop.
      file.Skip(json.AtEnd() ? SkipReason::Incomplete : SkipReason::Malformed);
      return;
    }
    Add(fields, file);
  } while (json.Take(','));
}

}  // namespace rdz
