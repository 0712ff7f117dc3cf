// The report's and the CSV's texts. The report of the example coal, the example gas and the
// 60/40 mixture: which blocks stand where with how many rows, every row as its sheet shows
// it (labels trimmed, "м3" raised), the rows it renames or leaves out, the header and the
// red totals.
#include "calc/report_blocks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "calc/csv_export.h"
#include "calc/cycle.h"
#include "calc/heat_balance.h"
#include "calc/mixture.h"
#include "support/example_fuels.h"

namespace calc {
namespace {

namespace hb = heat_balance_row;

// The worked example's heat-balance inputs beyond the tab's first ones.
void TypeWorkedInputs(sheets::Sheet& sheet) {
  sheet.SetText(1, hb::kQ4, "1.5");
  sheet.SetText(1, hb::kHeatOutput, "37494");
  sheet.SetText(1, hb::kHotAirTemperature, "300");
  sheet.SetText(1, hb::kO2, "3.583");
}

// Calls `each` with every block, band by band, column by column.
template <typename Each>
void ForEachBlock(const std::vector<ReportBand>& bands, Each each) {
  for (const ReportBand& band : bands)
    for (const ReportColumn& column : band)
      for (const ReportBlock& block : column) each(block);
}

// Block titles and row counts column by column ("|" between columns), one text per band.
std::vector<std::string> Layout(const std::vector<ReportBand>& bands) {
  std::vector<std::string> shown;
  for (const ReportBand& band : bands) {
    std::string line;
    for (const ReportColumn& column : band) {
      if (!line.empty()) line += " | ";
      for (std::size_t i = 0; i < column.size(); ++i) {
        line += (i ? ", " : "") + column[i].title + " " + std::to_string(column[i].rows.size());
      }
    }
    shown.push_back(line);
  }
  return shown;
}

const ReportBlock* FindBlock(const std::vector<ReportBand>& bands, const std::string& title) {
  const ReportBlock* found = nullptr;
  ForEachBlock(bands, [&](const ReportBlock& block) {
    if (block.title == title) found = &block;
  });
  return found;
}

// The row of `block` with `label`; one that is not there shows "<нет строки>".
ReportRow FindRow(const ReportBlock* block, const std::string& label) {
  for (const ReportRow& row : block->rows)
    if (row.label == label && !row.heading) return row;
  return {"<нет строки>", "<нет строки>", "<нет строки>"};
}

std::string Text(const sheets::Sheet& sheet, int col, int row) {
  if (col >= sheet.ColCount()) return {};
  std::string text = sheet.Text(col, row);
  text.erase(0, text.find_first_not_of(' '));
  for (std::size_t at = text.find("м3"); at != std::string::npos; at = text.find("м3", at)) {
    text.replace(at, 3, "м³");
  }
  return text;
}

// Every row that is no heading, in every block but those the report labels itself
// (`relabelled`), shows a label, a value and a unit that stand side by side in one of
// `sheets`, the value not empty; the enthalpy table shows `table` column by column.
void ExpectShownAsOnTheSheets(const FuelReport& report,
                              std::initializer_list<const sheets::Sheet*> sheets,
                              const std::set<std::string>& relabelled, const sheets::Sheet& table) {
  ASSERT_EQ(report.enthalpy.rows.size(), static_cast<std::size_t>(table.ColCount()));
  for (int c = 0; c < table.ColCount(); ++c)
    for (int r = 0; r < 4; ++r)
      EXPECT_EQ(report.enthalpy.rows[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)],
                Text(table, c, r));
  std::set<std::string> side_by_side;
  for (const sheets::Sheet* sheet : sheets)
    for (int r = 0; r < sheet->RowCount(); ++r)
      for (int c = 0; c + 1 < sheet->ColCount(); ++c)
        side_by_side.insert(Text(*sheet, c, r) + " | " + Text(*sheet, c + 1, r) + " | " +
                            Text(*sheet, c + 2, r));
  ForEachBlock(report.bands, [&](const ReportBlock& block) {
    if (relabelled.contains(block.title)) return;
    for (const ReportRow& row : block.rows) {
      if (row.heading || row.label.starts_with("Задано: ")) continue;
      const std::string shown = row.label + " | " + row.value + " | " + row.unit;
      EXPECT_FALSE(row.value.empty()) << block.title << ": " << row.label;
      EXPECT_TRUE(side_by_side.contains(shown))
          << block.title << ": " << shown << " is on no sheet";
    }
  });
}

// The mixture's header as one text: the title, each component with its share, the total,
// and "red" when the total is shown red.
std::string Header(const FuelDocument& doc) {
  const ReportHeader header = MakeFuelReport(doc, true).header;
  std::string text = header.title;
  for (const auto& component : header.components)
    text += "; " + component.line + " " + component.share;
  return text + "; " + header.total_label + " " + header.total + (header.total_red ? " red" : "");
}

TEST(ReportBlocksTest, CoalShowsItsSheetsBlockByBlock) {
  FuelDocument doc;
  ASSERT_TRUE(test::OpenDesignedExample(doc, "Каменный уголь.fll"));
  TypeWorkedInputs(doc.XLSheet19);
  RecalcHeatBalance(doc);
  const FuelReport report = MakeFuelReport(doc, false);

  EXPECT_EQ(report.header.subtitle,
            "Тип топлива: каменный уголь;  нормы 1998 г.;  файл: Каменный уголь.fll");
  EXPECT_TRUE(report.header.components.empty());
  // No RO2 typed: the excess air by RO2 is not formed and left out of the flue-gas analysis.
  ASSERT_EQ(Layout(report.bands),
            (std::vector<std::string>{
                "Состав топлива 8 | Характеристики 6, Объемы при α = 1 4 | Расчетные параметры 14",
                "Исходные данные 15, Конденсация водяных паров 1 | Тепловой баланс котла 11, "
                "Теоретическая температура горения 4, Условное топливо 5 | Анализ дымовых газов "
                "2, Выбросы CO2 и SO2 8, Состав на сухую и горючую массу 8"}));
  ExpectShownAsOnTheSheets(
      report, {&doc.XLSheet3, &doc.XLSheet4, &doc.XLSheet2, &doc.XLSheet15, &doc.XLSheet19},
      {"Исходные данные", "Состав на сухую и горючую массу"}, doc.XLSheet6);

  // The composition's total bold.
  const ReportBlock* composition = FindBlock(report.bands, "Состав топлива");
  EXPECT_TRUE(composition->rows.back().bold && !composition->rows.front().bold);

  // The design: the given value named by its kind; the balance: its inputs by their
  // symbols, those left empty (RO2) left out, the efficiency bold.
  const ReportRow given = FindBlock(report.bands, "Расчетные параметры")->rows[2];
  EXPECT_EQ(given.label + " " + given.value + " " + given.unit, "Задано: температура 1250 °C");
  const ReportBlock* inputs = FindBlock(report.bands, "Исходные данные");
  EXPECT_EQ(FindRow(inputs, "q4").value, "1.5");
  EXPECT_EQ(FindRow(inputs, "Qка").unit, "кВт");
  EXPECT_EQ(FindRow(inputs, "RO2").label, "<нет строки>");
  const ReportBlock* balance = FindBlock(report.bands, "Тепловой баланс котла");
  EXPECT_TRUE(FindRow(balance, Text(doc.XLSheet19, 0, hb::kEfficiency)).bold);

  // The bases: dry and dry ash-free side by side, the mass taken out of the labels.
  const ReportBlock* bases = FindBlock(report.bands, "Состав на сухую и горючую массу");
  ASSERT_TRUE(bases->two_values && bases->rows[0].heading);
  EXPECT_EQ(bases->rows[0].value + " " + bases->rows[0].value2, "сухая горючая");
  for (const auto& [label, dry, daf] : std::vector<std::tuple<std::string, int, int>>{
           {"Углерод", hb::kDryFirst, hb::kDafFirst},
           {"Зольность", hb::kDryFirst + 5, -1},
           {"Теплота сгорания", hb::kDryHeatingValue, hb::kDafHeatingValue}}) {
    const ReportRow shown = FindRow(bases, label);
    EXPECT_EQ(shown.value, Text(doc.XLSheet19, 1, dry)) << label;
    EXPECT_EQ(shown.value2, daf < 0 ? "" : Text(doc.XLSheet19, 1, daf)) << label;
  }

  // A moisture of -5: the report names the value and its range under the total.
  doc.XLSheet3.SetText(1, 1, "-5");
  XLGrid1EditModeChanged(doc);
  const ReportRow wet = FindBlock(FuelReportBands(doc, false), "Состав топлива")->rows.back();
  EXPECT_EQ(wet.label, "Влажность -5 вне диапазона: от 0 до 100 %");
  EXPECT_TRUE(wet.red);
}

TEST(ReportBlocksTest, GasIsPerCubicMetreWithoutBasesOrNorms) {
  FuelDocument doc;
  ASSERT_TRUE(test::OpenDesignedExample(doc, "Природный газ.fll"));
  const FuelReport report = MakeFuelReport(doc, false);
  EXPECT_EQ(report.header.subtitle, "Тип топлива: газообразное топливо;  файл: Природный газ.fll");
  // No heat output typed: the consumption is not formed and left out.
  ASSERT_EQ(Layout(report.bands),
            (std::vector<std::string>{
                "Состав топлива 13 | Характеристики 2, Объемы при α = 1 4 | Расчетные параметры 14",
                "Исходные данные 13, Конденсация водяных паров 1 | Тепловой баланс котла 8, "
                "Теоретическая температура горения 4, Условное топливо 3 | Анализ дымовых газов "
                "1, Выбросы CO2 и SO2 6"}));
  ExpectShownAsOnTheSheets(report, {&doc.XLSheet1_2, &doc.XLSheet2, &doc.XLSheet15, &doc.XLSheet19},
                           {"Исходные данные"}, doc.XLSheet6);
  EXPECT_EQ(report.enthalpy.title, "Энтальпии воздуха и продуктов сгорания при α = 1, кДж/м³");

  // A fuel not loaded from a file names none; under the 1973 norms, says so.
  doc.Caption.clear();
  doc.GasSheetsShown = false;
  doc.RadioButton1 = true;
  doc.ComboBox3 = 2;
  EXPECT_EQ(MakeFuelReport(doc, false).header.subtitle, "Тип топлива: бурый уголь;  нормы 1973 г.");
}

TEST(ReportBlocksTest, MixtureListsTheComponentsThatTakePart) {
  FuelDocument doc;
  ASSERT_TRUE(test::BuildSixtyFortyMixture(doc));
  TypeWorkedInputs(doc.XLSheet20);
  SpeedButton13Click(doc);
  const FuelReport report = MakeFuelReport(doc, true);
  const std::string coal = "Каменный уголь марки Д (каменный уголь) ";
  const std::string gas = "Природный газ (газообразное топливо) 40 %; Сумма долей по массе ";
  EXPECT_EQ(Header(doc), "Смесь топлив; 1. " + coal + "60 %; 2. " + gas + "100 %");
  EXPECT_EQ(ReportTitle(doc, false), doc.ComboBox1);

  // The balance beside the design, headed as on the tab, its inputs under the tab's
  // inputs heading; its results under the tab's second heading.
  const std::string inputs_title = Text(doc.XLSheet20, 0, hb::kHeading);
  ASSERT_EQ(Layout(report.bands),
            (std::vector<std::string>{
                "Результаты расчета смеси 1, Объемы при α = 1 4 | Расчетные параметры 14 | " +
                    inputs_title + " 16",
                Text(doc.XLSheet20, 0, hb::kBalanceHeading) + " 11 | " +
                    Text(doc.XLSheet20, 0, hb::kFurnaceHeading) +
                    " 4, Анализ дымовых газов 2 | Выбросы CO2 и SO2 8, Условное топливо 5, "
                    "Конденсация водяных паров 1"}));
  ExpectShownAsOnTheSheets(report, {&doc.XLSheet14, &doc.XLSheet17, &doc.XLSheet20}, {inputs_title},
                           doc.XLSheet16);
  EXPECT_EQ(FindRow(FindBlock(report.bands, inputs_title), "q4").value, "1.5");

  // A third slot with no fuel, and a share of 0 or of no number, take no part; the numbers
  // follow those listed. A total that is not 100 is red.
  SetComponentCount(doc, "3");
  for (const auto& [share, total, shown] :
       std::vector<std::tuple<const char*, const char*, std::string>>{
           {"0", "40", "1. " + gas + "40 % red"},
           {"abc", "100,0", "1. " + gas + "100,0 %"},
           {"12,5", "100,0", "1. " + coal + "12,5 %; 2. " + gas + "100,0 %"}}) {
    doc.Slots[0].share = share;
    doc.Edit3 = total;
    EXPECT_EQ(Header(doc), "Смесь топлив; " + shown) << share;
  }
}

// CSV for a spreadsheet: free texts that a spreadsheet never takes for formulas, and a
// line break kept inside its quotes. The whole CSV of a fuel and of a mixture with a
// decimal comma is in the calculator's golden runs; quoting with a decimal point below.
TEST(CsvExportTest, FormulaLikeTextsGetAnApostropheNumbersNever) {
  EXPECT_EQ(CsvField("две\nстроки", ';'), "\"две\nстроки\"");
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
