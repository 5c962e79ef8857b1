#include <gtest/gtest.h>

#include <cstring>

#include "orbit/row_text.h"

namespace rdz {
namespace {

TEST(RowText, FieldsLineUpUnderTheHeader) {
  SatState s{7, -12, 200, 812, 3204, 55, 130, -45, -120, 14368};
  const std::string row = FormatRowText("AO-10    ", s);
  EXPECT_EQ(row, "AO-10       7 -12 200   812  3204  55 130 -45-120  14368");
  EXPECT_EQ(row.size(), 56u);
  EXPECT_EQ(std::strlen(kTableHeader), 56u);
  // Every column title ends where its right-aligned value ends.
  const std::string header = kTableHeader;
  for (const char* title : {"AZ", "EL", "MA", "HGT", "RANGE", "ILL", "SQ", "LA", "LO", "RN"}) {
    const auto end = header.find(std::string(" ") + title) + 1 + std::strlen(title);
    EXPECT_NE(row[end - 1], ' ') << title;
  }
}

TEST(RowText, LongValuesAreNotCutAndFractionalRevolutionsShowTheirDecimals) {
  SatState s{360, 90, 255, 1234567, 7654321, 100, 180, 90, 180, 1234567.5};
  const RowFields f = FormatRowFields("QO-100   ", s);
  EXPECT_EQ(f.hgt, "1234567");
  EXPECT_EQ(f.range, "7654321");
  EXPECT_EQ(f.rn, "1234567.5");
  EXPECT_EQ(f.lo, " 180");
  EXPECT_EQ(RowText(f), "QO-100    360  90 25512345677654321 100 180  90 1801234567.5");
}

TEST(RowText, AFailedSatelliteShowsItsNameAndTheMarker) {
  EXPECT_EQ(FailedRowText("BAD-1    "), std::string("BAD-1    ") + kFailedRowMarker);
  EXPECT_NE(FailedRowText("BAD-1    ").find("ERROR"), std::string::npos);
}

}  // namespace
}  // namespace rdz
