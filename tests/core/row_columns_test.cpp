#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/table/row_columns.h"
#include "core/table/row_text.h"

namespace rdz {
namespace {

// The header and a row split at the same places; LA and LO come apart even
// where the row runs them together.
TEST(RowColumns, SplitsHeaderAndRowsButNotOtherTexts) {
  const std::string row =
      FormatRowText("AO-10    ", SatState{7, -12, 200, 812, 3204, 55, 130, 77, -147, 14368});
  const std::vector<std::string_view> fields = RowColumns(row);
  ASSERT_EQ(fields.size(), 11u);
  EXPECT_EQ(fields[0], "AO-10    ");
  EXPECT_EQ(fields[2], " -12");
  EXPECT_EQ(fields[8], "  77");
  EXPECT_EQ(fields[9], "-147");
  EXPECT_EQ(fields[10], "  14368");
  const std::vector<std::string_view> head = RowColumns(kTableHeader);
  ASSERT_EQ(head.size(), 11u);
  EXPECT_EQ(head[1], "  AZ");
  EXPECT_EQ(head[9], "  LO");
  for (const std::string other : {std::string("NO SAT"), FailedRowText("AO-10"), row + "1"}) {
    EXPECT_TRUE(RowColumns(other).empty()) << other;
  }
}

}  // namespace
}  // namespace rdz
