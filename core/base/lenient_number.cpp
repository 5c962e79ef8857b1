#include "core/base/lenient_number.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace rdz {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

}  // namespace

std::optional<LeadingNumber> ReadLeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  const std::size_t start = i;
  i = SkipDigits(text, i);
  bool anyDigit = i > start;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = i + 1;
    const std::size_t end = SkipDigits(text, fraction);
    anyDigit = anyDigit || end > fraction;
    i = end;
  }
  if (!anyDigit) return std::nullopt;

  // An exponent counts only when digits follow it: "5e" and "5e+" read as 5.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t end = SkipDigits(text, j);
    if (end > j) i = end;
  }

  // from_chars takes no '+' and is locale independent; "5." and ".5" need no help.
  std::string number(text.substr(start, i - start));
  if (!number.empty() && number.back() == '.') number.pop_back();
  if (!number.empty() && number.front() == '.') number.insert(number.begin(), '0');
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too small underflows to zero; too large becomes infinite so callers can refuse it.
    const auto exponentAt = number.find_first_of("eE");
    const bool tiny = exponentAt != std::string::npos && number.find('-', exponentAt) != std::string::npos;
    value = tiny ? 0.0 : HUGE_VAL;
  }
  return LeadingNumber{negative ? -value : value, i};
}

double LenientNumber(std::string_view text) {
  const auto number = ReadLeadingNumber(text);
  return number ? number->value : 0.0;
}

std::optional<double> WholeNumber(std::string_view text) {
  const auto number = ReadLeadingNumber(text);
  if (!number || !std::isfinite(number->value)) return std::nullopt;
  const auto rest = text.substr(number->end);
  if (rest.find_first_not_of(" \t") != std::string_view::npos) return std::nullopt;
  return number->value;
}

}  // namespace rdz
