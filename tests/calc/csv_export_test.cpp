// CSV for a spreadsheet: separators that follow the decimal separator, quoting, the
// byte-order mark, the name and composition before the table, and free texts that a
// spreadsheet never takes for formulas.
#include "calc/csv_export.h"

#include <gtest/gtest.h>

#include "calc/heat_balance.h"

namespace calc {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

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

TEST(CsvExportTest, FormulaLikeTextsGetAnApostropheNumbersNever) {
  for (const std::string text :
       {"=HYPERLINK(\"http://x\")", "+7", "-x", "@SUM(A1)", "\tx", "\rx", "-"}) {
    EXPECT_EQ(CsvText(text), "'" + text);
  }
  for (const std::string text : {"Уголь -2", "", "1+1", "'=x"}) EXPECT_EQ(CsvText(text), text);
  EXPECT_EQ(CsvValue("-2.5", '.'), "-2.5");
  EXPECT_EQ(CsvValue("-2,5", ','), "-2,5");
  EXPECT_EQ(CsvValue("+1e3", '.'), "+1e3");
  EXPECT_EQ(CsvValue("-", '.'), "-");
  EXPECT_EQ(CsvValue("", '.'), "");
  EXPECT_EQ(CsvValue("-2,5", '.'), "'-2,5");
  EXPECT_EQ(CsvValue("=1+1", '.'), "'=1+1");
  EXPECT_EQ(CsvValue("abc", '.'), "abc");
}

TEST(CsvExportTest, FuelCsvStartsWithTheMarkNameAndComposition) {
  FuelDocument doc;
  doc.ComboBox1 = "=HYPERLINK(\"http://x\",\"y\")";
  doc.ComboBox3 = 1;
  doc.XLSheet3.SetText(1, 1, "12,5");  // typed with the wrong separator: a text, not a number
  const std::string csv = FuelCsv(doc);
  const std::string head = std::string(kCsvByteOrderMark) +
                           "Топливо,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"\r\n"
                           "Тип,каменный уголь\r\n"
                           "Состав топлива\r\n"
                           "Влажность,\"12,5\",%\r\n"
                           "Зольность,";
  EXPECT_EQ(csv.substr(0, head.size()), head);
  // The rest of a fuel's and a mixture's CSV: the calculator's golden runs.
  FuelDocument gas(',');
  gas.GasSheetsShown = true;
  gas.ComboBox3 = 6;
  EXPECT_NE(FuelCsv(gas).find("Состав топлива\r\nCH4;"), std::string::npos);
}

TEST(CsvExportTest, HeatBalanceEndsTheFuelAndTheMixture) {
  FuelDocument doc(',');
  doc.ComboBox3 = 1;
  doc.XLSheet19.SetText(1, heat_balance_row::kQ4, "=1+1");  // a typed text, not a number
  doc.XLSheet19.SetText(1, heat_balance_row::kQ2, "-");
  const std::string csv = FuelCsv(doc);
  EXPECT_NE(csv.find("\r\nПотеря от механического недожога q4;'=1+1;%\r\n"), std::string::npos);
  EXPECT_NE(csv.find("\r\nПотеря с уходящими газами q2;-;%\r\n"), std::string::npos);
  // A gas has no bases; the mixture's sheet has none either.
  doc.ComboBox3 = 6;
  EXPECT_EQ(FuelCsv(doc).find("Пересчет состава"), std::string::npos);
  EXPECT_TRUE(EndsWith(FuelCsv(doc), "\r\nДоля тепла конденсации от Qрр;;%\r\n"));
  EXPECT_TRUE(EndsWith(MixtureCsv(doc), "\r\nДоля тепла конденсации от Qрр;;%\r\n"));
}

TEST(CsvExportTest, MixtureListsItsComponentsBeforeItsOwnCells) {
  FuelDocument doc;
  doc.Slots[0] = {"@уголь", "каменный уголь", "60"};
  doc.Slots[1] = {"газ", "газообразное топливо", "=40"};
  doc.Edit3 = "60";
  doc.XLSheet17.SetText(4, 5, "1200");
  const std::string csv = MixtureCsv(doc);
  EXPECT_EQ(csv.substr(0, csv.find("\r\n\r\n")), std::string(kCsvByteOrderMark) +
                                                     "Смесь топлива\r\n"
                                                     "'@уголь,каменный уголь,60,%\r\n"
                                                     "газ,газообразное топливо,'=40,%\r\n"
                                                     "Процентов смеси составлено,60,%");
}

}  // namespace
}  // namespace calc
