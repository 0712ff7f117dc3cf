// CSV for a spreadsheet: separators that follow the decimal separator, quoting, and free
// texts that a spreadsheet never takes for formulas. The whole CSV of a fuel and of a
// mixture is in the calculator's golden runs.
#include "calc/csv_export.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calc/heat_balance.h"

namespace calc {
namespace {

TEST(CsvExportTest, SeparatorsAndQuoting) {
  EXPECT_EQ(CsvSeparator('.'), ',');
  EXPECT_EQ(CsvSeparator(','), ';');
  EXPECT_EQ(CsvField("8268,18", ';'), "8268,18");
  EXPECT_EQ(CsvField("8268,18", ','), "\"8268,18\"");
  EXPECT_EQ(CsvField("Уголь \"Д\"", ','), "\"Уголь \"\"Д\"\"\"");
  EXPECT_EQ(CsvField("две\nстроки", ';'), "\"две\nстроки\"");
  EXPECT_EQ(CsvRow({"", "x", ""}, ','), ",x,\r\n");
}

TEST(CsvExportTest, FormulaLikeTextsGetAnApostropheNumbersNever) {
  for (const std::string text :
       {"=HYPERLINK(\"http://x\")", "+7", "-x", "@SUM(A1)", "\tx", "\rx", "-"}) {
    EXPECT_EQ(CsvText(text), "'" + text);
  }
  for (const std::string text : {"Уголь -2", "", "1+1", "'=x"}) EXPECT_EQ(CsvText(text), text);
  for (const auto& [value, sep, shown] :
       std::vector<std::tuple<std::string, char, std::string>>{{"-2.5", '.', "-2.5"},
                                                               {"-2,5", ',', "-2,5"},
                                                               {"+1e3", '.', "+1e3"},
                                                               {"-", '.', "-"},
                                                               {"-2,5", '.', "'-2,5"},
                                                               {"=1+1", '.', "'=1+1"}}) {
    EXPECT_EQ(CsvValue(value, sep), shown) << value;
  }
}

// The fuel's name, a typed input and a component's name and share are free texts.
TEST(CsvExportTest, FreeTextsOfTheDocumentAreGuarded) {
  FuelDocument doc;
  doc.ComboBox1 = "=HYPERLINK(\"http://x\",\"y\")";
  doc.ComboBox3 = 1;
  doc.XLSheet3.SetText(1, 1, "12,5");  // the wrong separator: a text, not a number
  doc.XLSheet19.SetText(1, heat_balance_row::kQ4, "=1+1");
  const std::string csv = FuelCsv(doc);
  EXPECT_EQ(csv.substr(0, csv.find("Зольность")),
            std::string(kCsvByteOrderMark) +
                "Топливо,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"\r\nТип,каменный уголь\r\n"
                "Состав топлива\r\nВлажность,\"12,5\",%\r\n");
  EXPECT_NE(csv.find("\r\nПотеря от механического недожога q4,'=1+1,%\r\n"), std::string::npos);

  doc.Slots[0] = {"@уголь", "каменный уголь", "60"};
  doc.Slots[1] = {"газ", "газообразное топливо", "=40"};
  doc.Edit3 = "60";
  const std::string mixture = MixtureCsv(doc);
  EXPECT_EQ(mixture.substr(0, mixture.find("\r\n\r\n")),
            std::string(kCsvByteOrderMark) +
                "Смесь топлива\r\n'@уголь,каменный уголь,60,%\r\n"
                "газ,газообразное топливо,'=40,%\r\nПроцентов смеси составлено,60,%");
}

}  // namespace
}  // namespace calc
