// Repair of a mistyped decimal separator when a grid is left.
#include "calc/decimal_fix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/enthalpy.h"
#include "calc/fuel_document.h"
#include "calc/mixture.h"

namespace calc {
namespace {

std::string Fixed(const std::string& typed, char sep) {
  sheets::Sheet sheet(2, 1, sep);
  sheet.SetText(1, 0, typed);
  FixDecimalSeparator(sheet, 1, 0);
  return sheet.Text(1, 0);
}

TEST(DecimalFixTest, SwapsOnlyWhenThatMakesANumber) {
  EXPECT_EQ(Fixed("12.5", ','), "12,5");
  EXPECT_EQ(Fixed("12,5", '.'), "12.5");
  EXPECT_EQ(Fixed("1.234,5", '.'), "1.234,5");  // 1,234.5 is no plain number either
  EXPECT_EQ(Fixed("12.5.1", ','), "12.5.1");
  EXPECT_EQ(Fixed("7", ','), "7");
  EXPECT_EQ(Fixed("-3,5", ','), "-3,5");
  EXPECT_EQ(Fixed(" 007,50 ", ','), " 007,50 ");  // a valid text is not normalised
  EXPECT_EQ(Fixed("abc", '.'), "abc");
  EXPECT_EQ(Fixed("   ", '.'), "   ");
  EXPECT_EQ(Fixed("", '.'), "");
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
      {XLGrid21Exit, &FuelDocument::XLSheet19, 1, 2, 16},
      {XLGrid22Exit, &FuelDocument::XLSheet20, 1, 2, 16},
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
