#include "core/table/row_text.h"

#include <charconv>
#include <initializer_list>

#include "core/base/number_text.h"

namespace rdz {

namespace {

std::string Field(int value, std::size_t width) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const auto n = static_cast<std::size_t>(end - digits);
  std::string field(n < width ? width - n : 0, ' ');
  field.append(digits, n);
  return field;
}

}  // namespace

RowFields FormatRowFields(const std::string& name, const SatState& s) {
  return RowFields{RightAlign(name, 9),    Field(s.AZ, 4),    Field(s.EL, 4),
                   Field(s.MA, 4),         Field(s.HGT, 6),   Field(s.RANGE, 6),
                   Field(s.ILL, 4),        Field(s.SQ, 4),    Field(s.LA, 4),
                   Field(s.LO, 4),         RightAlign(ShortestDecimalText(s.RN), 7)};
}

std::string RowText(const RowFields& f) {
  // One allocation per row: the table is rebuilt every second.
  std::string row;
  row.reserve(64);
  for (const std::string* field :
       {&f.name, &f.az, &f.el, &f.ma, &f.hgt, &f.range, &f.ill, &f.sq, &f.la, &f.lo, &f.rn}) {
    row += *field;
  }
  return row;
}

std::string FormatRowText(const std::string& name, const SatState& s) {
  return RowText(FormatRowFields(name, s));
}

std::string FailedRowText(const std::string& name) { return RightAlign(name, 9) + kFailedRowMarker; }

}  // namespace rdz
