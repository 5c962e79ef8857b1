#include "core/elements/omm_reader.h"

#include <cctype>

#include "core/elements/element_fields.h"

namespace rdz {
namespace {

std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Field(const OmmFields& fields, std::string_view key) {
  const auto it = fields.find(key);
  return it == fields.end() ? std::string_view() : TrimField(it->second);
}

// Splits one CSV line; quoted fields may hold commas and doubled quotes.
std::vector<std::string> SplitCsv(std::string_view line) {
  std::vector<std::string> out(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      out.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      out.emplace_back();
    } else {
      out.back() += c;
    }
  }
  return out;
}

std::string DecodeXml(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t end = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
    if (end == std::string_view::npos || end - i > 10) {
      out += text[i];
      continue;
    }
    const std::string_view name = text.substr(i + 1, end - i - 1);
    char c = '?';
    if (name == "amp") c = '&';
    else if (name == "lt") c = '<';
    else if (name == "gt") c = '>';
    else if (name == "quot") c = '"';
    else if (name == "apos") c = '\'';
    else if (name.starts_with('#')) {
      const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
      long code = 0;
      for (const char d : name.substr(hex ? 2 : 1)) {
        const int v = std::isxdigit(static_cast<unsigned char>(d))
                          ? (std::isdigit(static_cast<unsigned char>(d)) ? d - '0'
                                                                         : (d | 0x20) - 'a' + 10)
                          : 99;
        if (v >= (hex ? 16 : 10) || code > 0xFFFF) { code = -1; break; }
        code = code * (hex ? 16 : 10) + v;
      }
      if (code > 0 && code < 256) c = static_cast<char>(code);
    }
    out += c;
    i = end;
  }
  return out;
}

}  // namespace

bool ReadIsoEpoch(std::string_view text, MeanElementSet& set) {
  text = TrimField(text);
  if (!text.empty() && (text.back() == 'Z' || text.back() == 'z')) text.remove_suffix(1);
  // Years the two-line format can carry, and a century beyond.
  const auto year = Digits(text, 0, 4);
  if (!year || *year < 1957 || *year > 2156 || text.size() < 17 || text[4] != '-') return false;
  std::size_t at = 5;
  int dayOfYear = 0;
  CivilTime t{*year, 1, 1, 0, 0, 0};
  if (text.size() > 8 && (text[8] == 'T' || text[8] == ' ')) {
    const auto doy = Digits(text, 5, 3);
    if (!doy) return false;
    dayOfYear = *doy;
    at = 9;
  } else {
    const auto month = Digits(text, 5, 2);
    const auto day = Digits(text, 8, 2);
    if (!month || !day || text[7] != '-' || text.size() < 11 ||
        (text[10] != 'T' && text[10] != ' '))
      return false;
    t.month = *month;
    t.day = *day;
    at = 11;
  }
  const auto hour = Digits(text, at, 2);
  const auto minute = Digits(text, at + 3, 2);
  const auto second = Digits(text, at + 6, 2);
  if (!hour || !minute || !second || text.size() < at + 8 || text[at + 2] != ':' ||
      text[at + 5] != ':')
    return false;
  t.hour = *hour;
  t.minute = *minute;
  t.second = *second;
  double fraction = 0;
  const std::string_view rest = text.substr(at + 8);
  if (!rest.empty()) {
    if (rest.size() < 2 || rest[0] != '.' || rest.find_first_not_of("0123456789", 1) != rest.npos)
      return false;
    fraction = ReadDecimal("0" + std::string(rest)).value_or(-1);
    if (fraction < 0) return false;
  }
  if (dayOfYear != 0) {
    const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
    if (dayOfYear > (leap ? 366 : 365) || t.hour > 23 || t.minute > 59 || t.second > 59)
      return false;
    t = AddSeconds(t, static_cast<std::int64_t>(dayOfYear - 1) * 86400);
  }
  if (!IsValidCivilTime(t)) return false;
  set.Epoch = t;
  set.EpochSecondFraction = fraction;
  set.EpochDays1950 = Days1950(t, fraction);
  return true;
}

std::optional<MeanElementSet> OmmFromFields(const OmmFields& fields, ElementFormat format,
                                            SkipReason& why) {
  why = SkipReason::Malformed;
  const std::string_view theory = Field(fields, "MEAN_ELEMENT_THEORY");
  if (!theory.empty() && Upper(theory) != "SGP4" && Upper(theory) != "SGP/SGP4")
    return std::nullopt;
  static constexpr std::string_view kRequired[] = {
      "EPOCH", "MEAN_MOTION", "ECCENTRICITY", "INCLINATION", "RA_OF_ASC_NODE",
      "ARG_OF_PERICENTER", "MEAN_ANOMALY", "NORAD_CAT_ID"};
  for (const auto key : kRequired)
    if (Field(fields, key).empty()) {
      why = SkipReason::Incomplete;
      return std::nullopt;
    }
  const auto optional = [&](std::string_view key) {
    const auto text = Field(fields, key);
    return text.empty() ? std::optional<double>(0.0) : ReadDecimal(text);
  };
  MeanElementSet set;
  const auto catalog = ReadCatalogNumber(Field(fields, "NORAD_CAT_ID"));
  const auto n = ReadDecimal(Field(fields, "MEAN_MOTION"));
  const auto e = ReadDecimal(Field(fields, "ECCENTRICITY"));
  const auto i = ReadDecimal(Field(fields, "INCLINATION"));
  const auto raan = ReadDecimal(Field(fields, "RA_OF_ASC_NODE"));
  const auto argp = ReadDecimal(Field(fields, "ARG_OF_PERICENTER"));
  const auto m = ReadDecimal(Field(fields, "MEAN_ANOMALY"));
  const auto bstar = optional("BSTAR");
  const auto ndot = optional("MEAN_MOTION_DOT");
  const auto nddot = optional("MEAN_MOTION_DDOT");
  const auto rev = optional("REV_AT_EPOCH");
  if (!catalog || !n || !e || !i || !raan || !argp || !m || !bstar || !ndot || !nddot || !rev ||
      !ReadIsoEpoch(Field(fields, "EPOCH"), set))
    return std::nullopt;
  set.Name = std::string(Field(fields, "OBJECT_NAME"));
  if (set.Name.empty()) set.Name = std::string(Field(fields, "NORAD_CAT_ID"));
  set.ObjectId = std::string(Field(fields, "OBJECT_ID"));
  set.CatalogNumber = *catalog;
  set.MeanMotion = *n;
  set.Eccentricity = *e;
  set.Inclination = *i;
  set.Raan = *raan;
  set.ArgPerigee = *argp;
  set.MeanAnomaly = *m;
  set.Bstar = *bstar;
  set.MeanMotionDot = *ndot;
  set.MeanMotionDdot = *nddot;
  set.EpochRev = *rev;
  set.Format = format;
  return set;
}

void ReadOmmCsv(const std::vector<std::string>& lines, MeanElementFile& file) {
  std::vector<std::string> header;
  for (const auto& line : lines) {
    if (TrimField(line).empty()) continue;
    auto cells = SplitCsv(line);
    if (header.empty()) {
      for (auto& c : cells) c = Upper(TrimField(c));
      header = std::move(cells);
      continue;
    }
    OmmFields fields;
    for (std::size_t k = 0; k < header.size() && k < cells.size(); ++k)
      fields[header[k]] = std::move(cells[k]);
    SkipReason why;
    if (auto set = OmmFromFields(fields, ElementFormat::OmmCsv, why))
      file.Sets.push_back(std::move(*set));
    else
      file.Skip(cells.size() < header.size() ? SkipReason::Incomplete : why);
  }
}

bool LooksLikeOmmCsv(const std::vector<std::string>& lines) {
  if (lines.empty()) return false;
  const std::string_view line = lines.front();
  return line.find(',') != line.npos && line.find("EPOCH") != line.npos &&
         line.find("MEAN_MOTION") != line.npos;
}

void ReadOmmXml(std::string_view text, MeanElementFile& file) {
  std::optional<OmmFields> record;
  std::string open;  // the element whose text may follow
  std::size_t contentStart = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t lt = text.find('<', pos);
    if (lt == text.npos) break;
    std::string_view closer = ">";
    if (text.substr(lt).starts_with("<!--")) closer = "-->";
    else if (text.substr(lt).starts_with("<![CDATA[")) closer = "]]>";
    else if (text.substr(lt).starts_with("<?")) closer = "?>";
    const std::size_t gt = text.find(closer, lt);
    if (gt == text.npos) break;
    pos = gt + closer.size();
    if (closer == "]]>") {
      if (record && !open.empty()) (*record)[open] = std::string(text.substr(lt + 9, gt - lt - 9));
      open.clear();
      continue;
    }
    if (closer != ">" || text[lt + 1] == '!') continue;
    std::string_view tag = text.substr(lt + 1, gt - lt - 1);
    const bool closing = tag.starts_with('/');
    const bool empty = tag.ends_with('/');
    if (closing) tag.remove_prefix(1);
    tag = tag.substr(0, tag.find_first_of(" \t\r\n/"));
    if (const auto colon = tag.find(':'); colon != tag.npos) tag.remove_prefix(colon + 1);
    const std::string name = Upper(tag);
    if (!closing && name == "OMM") {
      if (record) file.Skip(SkipReason::Incomplete);
      record.emplace();
    } else if (closing && name == "OMM" && record) {
      SkipReason why;
      if (auto set = OmmFromFields(*record, ElementFormat::OmmXml, why))
        file.Sets.push_back(std::move(*set));
      else
        file.Skip(why);
      record.reset();
    } else if (closing && record && name == open) {
      (*record)[name] = DecodeXml(text.substr(contentStart, lt - contentStart));
    }
    open = closing || empty ? std::string() : name;
    contentStart = pos;
  }
  if (record) file.Skip(SkipReason::Incomplete);
}

}  // namespace rdz
