// Repair of a mistyped decimal separator when a grid is left.
#include "calc/decimal_fix.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "calc/fuel_document.h"
#include "calc/mixture.h"
#include "sheets/numbers.h"

namespace calc {
namespace {

std::string Fixed(const std::string& typed, char sep) {
  sheets::Sheet sheet(2, 1, sep);
  sheet.SetText(1, 0, typed);
  FixDecimalSeparator(sheet, 1, 0);
  return sheet.Text(1, 0);
}

// Digit-group spaces (space, no-break space, narrow no-break space) are dropped and the
// other separator swapped, only when that makes a number; anything else stays as typed.
TEST(DecimalFixTest, RepairsOnlyWhenThatMakesANumber) {
  struct Case {
    const char* typed;
    char sep;
    const char* kept;
  };
  const Case cases[] = {
      {"12.5", ',', "12,5"},
      {"12,5", '.', "12.5"},
      {"1.234,5", '.', "1.234,5"},    // 1,234.5 is no plain number either
      {" 007,50 ", ',', " 007,50 "},  // a valid text is not normalised
      {"21 861", ',', "21861"},
      {"21\u00A0861,5", ',', "21861,5"},
      {"-1\u202F000\u202F000.25", ',', "-1000000,25"},
      {" 21 861 ", '.', "21861"},
      {"1234 567", '.', "1234 567"},    // not groups of three digits
      {"0,123 456", ',', "0,123 456"},  // no groups in the fraction
      {"abc", '.', "abc"},
      {"1,2,3", ',', "1,2,3"},
      {"", '.', ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Fixed(c.typed, c.sep), c.kept) << "'" << c.typed << "' with '" << c.sep << "'";
    const auto repaired = RepairNumberText(c.typed, c.sep);
    const bool number = std::string(c.kept) != c.typed || sheets::ParseFloat(c.typed, c.sep);
    EXPECT_EQ(repaired.has_value(), number) << c.typed;
  }
}

// The record view takes only numbers: a text that is no number leaves the cell as it was
// and says so.
TEST(DecimalFixTest, CommitToARecordValueRefusesWhatIsNoNumber) {
  sheets::Sheet sheet(3, 1, ',');
  sheet.SetSingle(2, 0, 10.5f);
  for (const char* refused : {"abc", "5%", "1,2,3", ""}) {
    const auto notice = CommitNumberText(sheet, 2, 0, refused);
    ASSERT_TRUE(notice.has_value()) << refused;
    EXPECT_EQ(NoticeText(*notice),
              "«" + std::string(refused) + "» — не число, значение не изменено");
    EXPECT_EQ(sheet.Text(2, 0), "10,5");
  }
  EXPECT_FALSE(CommitNumberText(sheet, 2, 0, "21 861.5").has_value());
  EXPECT_EQ(sheet.Text(2, 0), "21861,5");
}

// Leaving a grid repairs every cell of its sheet that the user types into; the volumes and
// the enthalpy table, which hold no input cell, in their value columns.
TEST(DecimalFixTest, GridExitsRepairTheirInputCells) {
  const std::pair<void (*)(FuelDocument&), sheets::Sheet FuelDocument::*> exits[] = {
      {XLGrid1Exit, &FuelDocument::XLSheet1_1}, {XLGrid1Exit, &FuelDocument::XLSheet1_2},
      {XLGrid2Exit, &FuelDocument::XLSheet2},   {XLGrid3Exit, &FuelDocument::XLSheet3},
      {XLGrid4Exit, &FuelDocument::XLSheet4},   {XLGrid5Exit, &FuelDocument::XLSheet5},
      {XLGrid10Exit, &FuelDocument::XLSheet10}, {XLGrid11Exit, &FuelDocument::XLSheet11},
      {XLGrid13Exit, &FuelDocument::XLSheet13}, {XLGrid15Exit, &FuelDocument::XLSheet15},
      {XLGrid21Exit, &FuelDocument::XLSheet19}, {XLGrid22Exit, &FuelDocument::XLSheet20},
      {XLGrid20Exit, &FuelDocument::XLSheet17}};
  for (const auto& [exit, member] : exits) {
    FuelDocument doc(',');
    sheets::Sheet& sheet = doc.*member;
    std::vector<std::pair<int, int>> typed;
    if (member == &FuelDocument::XLSheet2) typed = {{1, 2}, {1, 5}};
    if (member == &FuelDocument::XLSheet11) typed = {{0, 0}, {5, 24}};
    for (int col = 0; col < sheet.ColCount(); ++col)
      for (int row = 0; row < sheet.RowCount(); ++row)
        if (sheet.At(col, row).input && !sheet.At(col, row).IsList()) typed.push_back({col, row});
    for (const auto& [col, row] : typed) sheet.SetText(col, row, "1.5");
    exit(doc);
    EXPECT_FALSE(typed.empty());
    for (const auto& [col, row] : typed)
      EXPECT_EQ(sheet.Text(col, row), "1,5") << col << "," << row;
  }
}

}  // namespace
}  // namespace calc
