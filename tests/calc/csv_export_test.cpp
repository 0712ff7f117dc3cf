// CSV fields and rows: separators that follow the decimal separator, and quoting.
#include "calc/csv_export.h"

#include <gtest/gtest.h>

namespace calc {
namespace {

TEST(CsvExportTest, SeparatorsAndQuoting) {
  EXPECT_EQ(CsvSeparator('.'), ',');
  EXPECT_EQ(CsvSeparator(','), ';');
  EXPECT_EQ(CsvField("8268,18", ';'), "8268,18");
  EXPECT_EQ(CsvField("8268,18", ','), "\"8268,18\"");
  EXPECT_EQ(CsvField("Уголь \"Д\"", ','), "\"Уголь \"\"Д\"\"\"");
  EXPECT_EQ(CsvField("две\nстроки", ';'), "\"две\nстроки\"");
  EXPECT_EQ(CsvField("a;b", ';'), "\"a;b\"");
  EXPECT_EQ(CsvRow({"", "x", ""}, ','), ",x,\r\n");
}

TEST(CsvExportTest, MixtureUsesItsOwnCells) {
  FuelDocument doc;
  doc.XLSheet17.SetText(4, 5, "1200");
  const std::string csv = MixtureCsv(doc);
  EXPECT_NE(csv.find("\r\nТемпература,1200,°С\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\nКоэффициент уноса,,\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\n2500,,,\r\n"), std::string::npos);
}

}  // namespace
}  // namespace calc
