// Repair of a mistyped decimal separator when a grid is left.
#include "calc/decimal_fix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/enthalpy.h"
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
      {"1.234,5", '.', "1.234,5"},  // 1,234.5 is no plain number either
      {"-3,5", ',', "-3,5"},
      {" 007,50 ", ',', " 007,50 "},  // a valid text is not normalised
      {"21 861", ',', "21861"},
      {"21\u00A0861,5", ',', "21861,5"},
      {"-1\u202F000\u202F000.25", ',', "-1000000,25"},
      {" 21 861 ", '.', "21861"},
      {"1234 567", '.', "1234 567"},  // not groups of three digits
      {"21 86", '.', "21 86"},
      {"0,123 456", ',', "0,123 456"},  // no groups in the fraction
      {"abc", '.', "abc"},
      {"5%", ',', "5%"},
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

// Leaving a grid repairs the typed cells of its range, the first and the last included,
// and no cell beside it.
TEST(DecimalFixTest, GridExitsRepairTheirRangeOnly) {
  struct Range {
    void (*exit)(FuelDocument&);
    sheets::Sheet FuelDocument::*sheet;
    int col, first, last;
  };
  const Range ranges[] = {
      {XLGrid1Exit, &FuelDocument::XLSheet1_1, 1, 1, 17},
      {XLGrid1Exit, &FuelDocument::XLSheet1_2, 1, 1, 17},
      {XLGrid2Exit, &FuelDocument::XLSheet2, 1, 2, 5},
      {XLGrid3Exit, &FuelDocument::XLSheet3, 1, 1, 17},
      {XLGrid4Exit, &FuelDocument::XLSheet4, 1, 1, 9},
      {XLGrid5Exit, &FuelDocument::XLSheet5, 1, 2, 10},
      {XLGrid10Exit, &FuelDocument::XLSheet10, 2, 0, 49},
      {XLGrid11Exit, &FuelDocument::XLSheet11, 0, 0, 24},
      {XLGrid11Exit, &FuelDocument::XLSheet11, 5, 0, 24},
      {XLGrid13Exit, &FuelDocument::XLSheet13, 1, 0, 0},
      {XLGrid15Exit, &FuelDocument::XLSheet15, 1, 2, 12},
      {XLGrid21Exit, &FuelDocument::XLSheet19, 1, 2, 18},
      {XLGrid22Exit, &FuelDocument::XLSheet20, 1, 2, 18},
      {XLGrid20Exit, &FuelDocument::XLSheet17, 1, 2, 3},
  };
  for (const Range& range : ranges) {
    FuelDocument doc(',');
    sheets::Sheet& sheet = doc.*range.sheet;
    std::vector<int> rows;
    for (const int row : {range.first - 1, range.first, range.last, range.last + 1}) {
      if (row < 0 || row >= sheet.RowCount() || sheet.At(range.col, row).IsList()) continue;
      sheet.SetText(range.col, row, "1.5");
      rows.push_back(row);
    }
    range.exit(doc);
    for (const int row : rows) {
      EXPECT_EQ(sheet.Text(range.col, row), row >= range.first && row <= range.last ? "1,5" : "1.5")
          << "column " << range.col << " row " << row << " of sheet " << &range - ranges;
    }
  }
}

// The built-in enthalpy table is the program's own text: it reads the same whatever the
// decimal separator of the document.
TEST(DecimalFixTest, BuiltInTableReadsTheSameInBothLocales) {
  const FuelDocument point('.'), comma(',');
  for (int row = 0; row < point.XLSheet11.RowCount(); ++row) {
    const SpecificEnthalpies a = ReadEnthalpyRow(point, row), b = ReadEnthalpyRow(comma, row);
    EXPECT_TRUE(a.co2 == b.co2 && a.n2 == b.n2 && a.h2o == b.h2o && a.air == b.air &&
                a.ash == b.ash && a.co2 > 0)
        << "row " << row;
  }
}

}  // namespace
}  // namespace calc
