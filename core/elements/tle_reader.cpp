#include "core/elements/tle_reader.h"

#include <cmath>

#include "core/elements/element_fields.h"

namespace rdz {
namespace {

constexpr std::size_t kLineLength = 69;

bool IsLine(std::string_view line, char number) {
  return line.size() >= kLineLength && line[0] == number && line[1] == ' ';
}

std::string_view Columns(std::string_view line, std::size_t first, std::size_t last) {
  return line.substr(first - 1, last - first + 1);
}

// "0.ddddd" times ten to a signed one-digit exponent, as " 12345-3" or "-12345+0".
std::optional<double> ReadImpliedExponent(std::string_view field) {
  field = TrimField(field);
  if (field.empty()) return 0.0;
  double sign = 1;
  if (field.front() == '-' || field.front() == '+') {
    sign = field.front() == '-' ? -1 : 1;
    field.remove_prefix(1);
  }
  if (field.size() < 3) return std::nullopt;
  const std::string_view exponent = field.substr(field.size() - 2);
  const std::string_view digits = TrimField(field.substr(0, field.size() - 2));
  if (exponent[0] != '-' && exponent[0] != '+') return std::nullopt;
  if (exponent[1] < '0' || exponent[1] > '9' || digits.empty()) return std::nullopt;
  for (const char c : digits)
    if (c < '0' || c > '9') return std::nullopt;
  const auto mantissa = ReadDecimal("0." + std::string(digits));
  if (!mantissa) return std::nullopt;
  const int e = (exponent[0] == '-' ? -1 : 1) * (exponent[1] - '0');
  return sign * *mantissa * std::pow(10.0, e);
}

std::optional<double> ReadOptional(std::string_view field) {
  if (TrimField(field).empty()) return 0.0;
  return ReadDecimal(field);
}

}  // namespace

bool TleChecksumOk(std::string_view line) {
  if (line.size() < kLineLength) return false;
  int sum = 0;
  for (std::size_t i = 0; i < kLineLength - 1; ++i) {
    const char c = line[i];
    if (c >= '0' && c <= '9') sum += c - '0';
    if (c == '-') sum += 1;
  }
  const char check = line[kLineLength - 1];
  return check >= '0' && check <= '9' && sum % 10 == check - '0';
}

std::optional<std::uint32_t> ReadTleCatalogNumber(std::string_view field) {
  if (field.size() != 5) return std::nullopt;
  const char lead = field[0];
  if (lead < 'A' || lead > 'Z' || lead == 'I' || lead == 'O') return ReadCatalogNumber(field);
  const auto rest = ReadCatalogNumber(field.substr(1));
  if (!rest || TrimField(field.substr(1)).size() != 4) return std::nullopt;
  // A..H are 10..17, J..N 18..22, P..Z 23..33: I and O are left out.
  int value = lead - 'A' + 10;
  if (lead > 'I') --value;
  if (lead > 'O') --value;
  return static_cast<std::uint32_t>(value) * 10000 + *rest;
}

std::optional<MeanElementSet> ParseTleSet(std::string_view name, std::string_view line1,
                                          std::string_view line2) {
  if (!IsLine(line1, '1') || !IsLine(line2, '2')) return std::nullopt;
  const auto catalog = ReadTleCatalogNumber(Columns(line1, 3, 7));
  const auto catalog2 = ReadTleCatalogNumber(Columns(line2, 3, 7));
  const auto year = ReadCatalogNumber(Columns(line1, 19, 20));
  const auto day = ReadDecimal(Columns(line1, 21, 32));
  const auto ndot = ReadOptional(Columns(line1, 34, 43));
  const auto nddot = ReadImpliedExponent(Columns(line1, 45, 52));
  const auto bstar = ReadImpliedExponent(Columns(line1, 54, 61));
  const auto incl = ReadDecimal(Columns(line2, 9, 16));
  const auto raan = ReadDecimal(Columns(line2, 18, 25));
  const auto ecc = ReadCatalogNumber(Columns(line2, 27, 33));
  const auto argp = ReadDecimal(Columns(line2, 35, 42));
  const auto ma = ReadDecimal(Columns(line2, 44, 51));
  const auto n = ReadDecimal(Columns(line2, 53, 63));
  const auto rev = ReadOptional(Columns(line2, 64, 68));
  if (!catalog || catalog != catalog2 || !year || !day || !ndot || !nddot || !bstar || !incl ||
      !raan || !ecc || !argp || !ma || !n || !rev)
    return std::nullopt;

  MeanElementSet set;
  const int fullYear = static_cast<int>(*year) + (*year < 57 ? 2000 : 1900);
  if (!SetEpochFromDayOfYear(set, fullYear, *day)) return std::nullopt;
  name = TrimField(name);
  if (name.starts_with("0 ")) name = TrimField(name.substr(2));
  set.Name = name.empty() ? std::string(TrimField(Columns(line1, 3, 7))) : std::string(name);
  set.CatalogNumber = *catalog;
  set.ObjectId = std::string(TrimField(Columns(line1, 10, 17)));
  set.MeanMotion = *n;
  set.Eccentricity = *ecc * 1e-7;
  set.Inclination = *incl;
  set.Raan = *raan;
  set.ArgPerigee = *argp;
  set.MeanAnomaly = *ma;
  set.Bstar = *bstar;
  set.MeanMotionDot = *ndot;
  set.MeanMotionDdot = *nddot;
  set.EpochRev = *rev;
  set.Format = ElementFormat::Tle;
  return set;
}

void ReadTleLines(const std::vector<std::string>& lines, MeanElementFile& file) {
  std::string_view name;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const bool first = line.starts_with("1 ");
    if (!first && !line.starts_with("2 ")) {
      name = TrimField(line).empty() ? std::string_view() : line;
      continue;
    }
    if (!first || i + 1 >= lines.size() || !lines[i + 1].starts_with("2 ")) {
      file.Skip(SkipReason::Incomplete);
      name = {};
      continue;
    }
    const std::string_view line2 = lines[++i];
    if (!TleChecksumOk(line) || !TleChecksumOk(line2)) {
      // A line too short to carry its checksum is cut short rather than corrupted.
      file.Skip(line.size() < kLineLength || line2.size() < kLineLength ? SkipReason::Incomplete
                                                                        : SkipReason::BadChecksum);
    } else if (auto set = ParseTleSet(name, line.substr(0, kLineLength),
                                      line2.substr(0, kLineLength))) {
      file.Sets.push_back(std::move(*set));
    } else {
      file.Skip(SkipReason::Malformed);
    }
    name = {};
  }
}

bool LooksLikeTle(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i + 1 < lines.size(); ++i)
    if (lines[i].starts_with("1 ") && lines[i + 1].starts_with("2 ")) return true;
  return false;
}

}  // namespace rdz
