// Repair of a mistyped decimal separator when a grid is left.
#include "calc/decimal_fix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/enthalpy.h"
#include "calc/fuel_document.h"

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

TEST(DecimalFixTest, GridExitsCoverTheirRanges) {
  FuelDocument doc(',');
  doc.XLSheet1_1.SetText(1, 17, "1.5");  // the hidden solid sheet is checked too
  doc.XLSheet1_2.SetText(1, 16, "0.73");
  doc.XLSheet1_2.SetText(1, 0, "2.5");  // the heading row is outside the range
  XLGrid1Exit(doc);
  EXPECT_EQ(doc.XLSheet1_1.Text(1, 17), "1,5");
  EXPECT_EQ(doc.XLSheet1_2.Text(1, 16), "0,73");
  EXPECT_EQ(doc.XLSheet1_2.Text(1, 0), "2.5");
  doc.XLSheet10.SetText(2, 49, "4.1");
  XLGrid10Exit(doc);
  EXPECT_EQ(doc.XLSheet10.Text(2, 49), "4,1");
  doc.XLSheet13.SetText(1, 0, "0.9");
  XLGrid13Exit(doc);
  EXPECT_EQ(doc.XLSheet13.Text(1, 0), "0,9");
}

TEST(DecimalFixTest, BuiltInTableReadsTheSameInBothLocales) {
  for (const char sep : {'.', ','}) {
    FuelDocument doc(sep);
    const SpecificEnthalpies first = ReadEnthalpyRow(doc, 0);
    EXPECT_EQ(first.co2, 171.7f);
    EXPECT_EQ(first.n2, 130.1f);
    EXPECT_EQ(first.h2o, 150.5f);
    EXPECT_EQ(first.air, 132.7f);
    EXPECT_EQ(first.ash, 80.8f);
    EXPECT_EQ(ReadEnthalpyRow(doc, 1).ash, 169.1f);
    EXPECT_EQ(ReadEnthalpyRow(doc, 19).ash, 2512.0f);
    EXPECT_EQ(ReadEnthalpyRow(doc, 20).ash, -1.0f);
    EXPECT_EQ(ReadEnthalpyRow(doc, 24).air, 3910.0f);
    EXPECT_EQ(doc.XLSheet12.Text(3, 0), "(Cv)н2о");
  }
}

}  // namespace
}  // namespace calc
