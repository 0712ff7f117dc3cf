// The report's texts of the example coal, the example gas and the 60/40 mixture: which
// blocks stand where, their rows as the sheets show them (labels trimmed, "м3" raised),
// the header's lines, and the rows left out. The sheets' numbers are computed and checked
// by the calculation's own tests; here each row is compared with its cell.
#include "calc/report_blocks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/cycle.h"
#include "calc/design.h"
#include "calc/fuel_io.h"
#include "calc/heat_balance.h"
#include "calc/mixture.h"
#include "support/example_fuels.h"

namespace calc {
namespace {

namespace hb = heat_balance_row;

// An example fuel opened and designed at α 1.2 and 1250 °C.
void Open(FuelDocument& doc, const char* name) {
  ASSERT_TRUE(LoadLibraryFuel(doc, test::ExampleFuel(name)));
  doc.XLSheet15.SetText(1, 2, "1.2");
  doc.XLSheet15.SetText(1, 3, "1250");
  XLGrid15EditModeChanged(doc);
}

// The worked example's heat-balance inputs beyond the tab's first ones.
void TypeWorkedInputs(sheets::Sheet& sheet) {
  sheet.SetText(1, hb::kQ4, "1.5");
  sheet.SetText(1, hb::kHeatOutput, "37494");
  sheet.SetText(1, hb::kHotAirTemperature, "300");
  sheet.SetText(1, hb::kO2, "3.583");
}

// Block titles column by column ("|" between columns), one text per band.
std::vector<std::string> Layout(const std::vector<ReportBand>& bands) {
  std::vector<std::string> shown;
  for (const ReportBand& band : bands) {
    std::string line;
    for (const ReportColumn& column : band) {
      if (!line.empty()) line += " | ";
      for (std::size_t i = 0; i < column.size(); ++i) line += (i ? ", " : "") + column[i].title;
    }
    shown.push_back(line);
  }
  return shown;
}

const ReportBlock* FindBlock(const std::vector<ReportBand>& bands, const std::string& title) {
  for (const ReportBand& band : bands) {
    for (const ReportColumn& column : band) {
      for (const ReportBlock& block : column) {
        if (block.title == title) return &block;
      }
    }
  }
  return nullptr;
}

// The row of `block` with `label`; one that is not there shows "<нет строки>".
ReportRow FindRow(const ReportBlock* block, const std::string& label) {
  if (block != nullptr) {
    for (const ReportRow& row : block->rows) {
      if (row.label == label && !row.heading) return row;
    }
  }
  return {"<нет строки>", "<нет строки>", "<нет строки>"};
}

std::string Text(const sheets::Sheet& sheet, int col, int row) {
  std::string text = sheet.Text(col, row);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

// The report's row of `row` of `sheet` shows its label, value and unit.
void ExpectShows(const ReportBlock* block, const sheets::Sheet& sheet, int row,
                 const std::string& unit) {
  ASSERT_NE(block, nullptr);
  const ReportRow shown = FindRow(block, Text(sheet, 0, row));
  EXPECT_EQ(shown.value, Text(sheet, 1, row)) << block->title << ": " << shown.label;
  EXPECT_FALSE(shown.value.empty()) << block->title << ": " << Text(sheet, 0, row);
  EXPECT_EQ(shown.unit, unit) << block->title << ": " << shown.label;
}

TEST(ReportBlocksTest, CoalShowsItsSheetsBlockByBlock) {
  FuelDocument doc;
  Open(doc, "Каменный уголь.fll");
  TypeWorkedInputs(doc.XLSheet19);
  RecalcHeatBalance(doc);
  const FuelReport report = MakeFuelReport(doc, false);

  EXPECT_EQ(report.header.title, doc.ComboBox1);
  EXPECT_EQ(report.header.subtitle,
            "Тип топлива: каменный уголь;  нормы 1998 г.;  файл: Каменный уголь.fll");
  EXPECT_TRUE(report.header.components.empty());
  EXPECT_EQ(Layout(report.bands),
            (std::vector<std::string>{
                "Состав топлива | Характеристики, Объемы при α = 1 | Расчетные параметры",
                "Исходные данные, Конденсация водяных паров | Тепловой баланс котла, "
                "Теоретическая температура горения, Условное топливо | Анализ дымовых газов, "
                "Выбросы CO2 и SO2, Состав на сухую и горючую массу"}));

  // The composition of the 1998 sheet, labels trimmed, the total bold and black.
  const ReportBlock* composition = FindBlock(report.bands, "Состав топлива");
  ASSERT_EQ(composition->rows.size(), 8U);
  for (int row = 1; row <= 8; ++row) ExpectShows(composition, doc.XLSheet3, row, "%");
  EXPECT_EQ(composition->rows.front().label, "Влажность");
  EXPECT_EQ(composition->rows.back().label, "Всего");
  EXPECT_TRUE(composition->rows.back().bold);
  EXPECT_FALSE(composition->rows.back().red);
  EXPECT_FALSE(composition->rows.front().bold);

  // The lower heating value, the higher one from the balance tab, the volatiles, then
  // the reduced values under their heading.
  const ReportBlock* properties = FindBlock(report.bands, "Характеристики");
  std::vector<std::string> labels;
  for (const ReportRow& row : properties->rows) labels.push_back(row.label);
  EXPECT_EQ(labels, (std::vector<std::string>{
                        "Низшая теплота сгорания", Text(doc.XLSheet19, 0, hb::kHigherHeatingValue),
                        "Выход летучих", "Приведенные значения", "Влажность", "Зольность"}));
  EXPECT_TRUE(properties->rows[3].heading);
  ExpectShows(properties, doc.XLSheet19, hb::kHigherHeatingValue, "кДж/кг");
  EXPECT_EQ(properties->rows[4].value, Text(doc.XLSheet4, 1, 1));
  EXPECT_EQ(properties->rows[5].unit, "кг/МДж");

  const ReportBlock* volumes = FindBlock(report.bands, "Объемы при α = 1");
  ASSERT_EQ(volumes->rows.size(), 4U);
  for (int row = 2; row < 6; ++row) ExpectShows(volumes, doc.XLSheet2, row, "Нм³/кг");

  // The design: inputs, the given value named by its kind, then the combustion products.
  const ReportBlock* design = FindBlock(report.bands, "Расчетные параметры");
  ASSERT_EQ(design->rows.size(), 14U);
  EXPECT_TRUE(design->rows[0].heading);
  EXPECT_EQ(design->rows[0].label, "Исходные данные");
  EXPECT_EQ(design->rows[2].label, "Задано: температура");
  EXPECT_EQ(design->rows[2].value, "1250");
  EXPECT_EQ(design->rows[2].unit, "°C");
  EXPECT_TRUE(design->rows[4].heading);
  EXPECT_EQ(design->rows[4].label, "Продукты сгорания");
  EXPECT_EQ(design->rows[6].value, Text(doc.XLSheet15, 1, 7));
  EXPECT_EQ(design->rows[6].unit, "Нм³/кг");

  // The heat balance: inputs by their symbols, those left empty (RO2, tк) left out; every
  // result of the tab, the efficiency bold; the excess air by RO2 not formed.
  const ReportBlock* inputs = FindBlock(report.bands, "Исходные данные");
  EXPECT_EQ(inputs->rows.size(), 15U);
  EXPECT_EQ(FindRow(inputs, "q4").value, "1.5");
  EXPECT_EQ(FindRow(inputs, "Qка").unit, "кВт");
  EXPECT_EQ(FindRow(inputs, "RO2").label, "<нет строки>");
  const ReportBlock* balance = FindBlock(report.bands, "Тепловой баланс котла");
  for (int row = hb::kAvailableHeat; row <= hb::kCalculatedFuelConsumption; ++row) {
    ExpectShows(balance, doc.XLSheet19, row, Text(doc.XLSheet19, 2, row));
  }
  EXPECT_EQ(balance->rows.size(),
            static_cast<std::size_t>(hb::kCalculatedFuelConsumption - hb::kAvailableHeat + 1));
  EXPECT_TRUE(FindRow(balance, Text(doc.XLSheet19, 0, hb::kEfficiency)).bold);
  EXPECT_FALSE(balance->rows.front().bold);
  const ReportBlock* furnace = FindBlock(report.bands, "Теоретическая температура горения");
  for (int row = hb::kHotAirEnthalpy; row <= hb::kAdiabaticTemperature; ++row) {
    ExpectShows(furnace, doc.XLSheet19, row, Text(doc.XLSheet19, 2, row));
  }
  const ReportBlock* flue_gas = FindBlock(report.bands, "Анализ дымовых газов");
  ExpectShows(flue_gas, doc.XLSheet19, hb::kExcessAirO2, "");
  EXPECT_EQ(FindRow(flue_gas, Text(doc.XLSheet19, 0, hb::kExcessAirRO2)).label, "<нет строки>");

  // The bases: dry and dry ash-free side by side under their heading, the mass taken
  // out of the labels.
  const ReportBlock* bases = FindBlock(report.bands, "Состав на сухую и горючую массу");
  ASSERT_TRUE(bases->two_values);
  ASSERT_EQ(bases->rows.size(), 8U);
  EXPECT_TRUE(bases->rows[0].heading);
  EXPECT_EQ(bases->rows[0].value, "сухая");
  EXPECT_EQ(bases->rows[0].value2, "горючая");
  const ReportRow carbon = FindRow(bases, "Углерод");
  EXPECT_EQ(carbon.value, Text(doc.XLSheet19, 1, hb::kDryFirst));
  EXPECT_EQ(carbon.value2, Text(doc.XLSheet19, 1, hb::kDafFirst));
  EXPECT_EQ(carbon.unit, "%");
  EXPECT_EQ(FindRow(bases, "Зольность").value, Text(doc.XLSheet19, 1, hb::kDryFirst + 5));
  EXPECT_EQ(FindRow(bases, "Зольность").value2, "");
  const ReportRow heat = FindRow(bases, "Теплота сгорания");
  EXPECT_EQ(heat.value, Text(doc.XLSheet19, 1, hb::kDryHeatingValue));
  EXPECT_EQ(heat.value2, Text(doc.XLSheet19, 1, hb::kDafHeatingValue));
  EXPECT_EQ(heat.unit, "кДж/кг");

  // The enthalpy table: a row per temperature of the table sheet.
  EXPECT_EQ(report.enthalpy.title, "Энтальпии воздуха и продуктов сгорания при α = 1, кДж/кг");
  EXPECT_EQ(report.enthalpy.headings[2], "Газы I⁰г");
  ASSERT_EQ(report.enthalpy.rows.size(), static_cast<std::size_t>(doc.XLSheet6.ColCount()));
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(report.enthalpy.rows.back()[static_cast<std::size_t>(r)],
              Text(doc.XLSheet6, doc.XLSheet6.ColCount() - 1, r));
  }
  EXPECT_EQ(report.diagram_title, "I–ϑ диаграмма");

  // Carbon 45 instead of 55: the total is 90, red as on screen.
  doc.XLSheet3.SetText(1, 3, "45");
  XLGrid1EditModeChanged(doc);
  EXPECT_TRUE(FindBlock(FuelReportBands(doc, false), "Состав топлива")->rows.back().red);

  // A moisture of -5: the report names the value and its range under the total.
  doc.XLSheet3.SetText(1, 1, "-5");
  XLGrid1EditModeChanged(doc);
  const auto bands = FuelReportBands(doc, false);
  const ReportBlock* wet = FindBlock(bands, "Состав топлива");
  EXPECT_EQ(wet->rows.back().label, "Влажность -5 вне диапазона: от 0 до 100 %");
  EXPECT_TRUE(wet->rows.back().red);
}

TEST(ReportBlocksTest, GasIsPerCubicMetreWithoutBasesOrNorms) {
  FuelDocument doc;
  Open(doc, "Природный газ.fll");
  const FuelReport report = MakeFuelReport(doc, false);
  EXPECT_EQ(report.header.subtitle, "Тип топлива: газообразное топливо;  файл: Природный газ.fll");
  EXPECT_EQ(Layout(report.bands).back(),
            "Исходные данные, Конденсация водяных паров | Тепловой баланс котла, Теоретическая "
            "температура горения, Условное топливо | Анализ дымовых газов, Выбросы CO2 и SO2");
  const ReportBlock* composition = FindBlock(report.bands, "Состав топлива");
  ASSERT_EQ(composition->rows.size(), 13U);
  EXPECT_EQ(composition->rows.front().label, "CH4");
  for (int row = 1; row <= 13; ++row) {
    const ReportRow& shown = composition->rows[static_cast<std::size_t>(row - 1)];
    EXPECT_EQ(shown.label, Text(doc.XLSheet1_2, 0, row));
    EXPECT_EQ(shown.value, Text(doc.XLSheet1_2, 1, row));
  }
  EXPECT_TRUE(composition->rows.back().bold);
  // The heating value and the density; no higher heating value.
  const ReportBlock* properties = FindBlock(report.bands, "Характеристики");
  ASSERT_EQ(properties->rows.size(), 2U);
  ExpectShows(properties, doc.XLSheet1_2, 15, "кДж/м³");
  ExpectShows(properties, doc.XLSheet1_2, 16, "кг/м³");
  ExpectShows(FindBlock(report.bands, "Объемы при α = 1"), doc.XLSheet2, 2, "м³/м³");
  // No heat output typed: the consumption is not formed and left out.
  const ReportBlock* balance = FindBlock(report.bands, "Тепловой баланс котла");
  ExpectShows(balance, doc.XLSheet19, hb::kAvailableHeat, "кДж/м³");
  EXPECT_EQ(FindRow(balance, Text(doc.XLSheet19, 0, hb::kFuelConsumption)).label, "<нет строки>");
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
  FuelReport report = MakeFuelReport(doc, true);
  EXPECT_EQ(report.header.title, "Смесь топлив");
  EXPECT_EQ(ReportTitle(doc, true), "Смесь топлив");
  EXPECT_EQ(ReportTitle(doc, false), doc.ComboBox1);
  ASSERT_EQ(report.header.components.size(), 2U);
  EXPECT_EQ(report.header.components[0].line,
            "1. " + doc.Slots[0].name + " (" + doc.Slots[0].type_name + ")");
  EXPECT_EQ(report.header.components[0].share, "60 %");
  EXPECT_EQ(report.header.components[1].line,
            "2. " + doc.Slots[1].name + " (" + doc.Slots[1].type_name + ")");
  EXPECT_EQ(report.header.components[1].share, "40 %");
  EXPECT_EQ(report.header.total_label, "Сумма долей по массе");
  EXPECT_EQ(report.header.total, "100 %");
  EXPECT_FALSE(report.header.total_red);

  // The balance beside the design, headed as on the tab; its results under the tab's
  // second heading.
  EXPECT_EQ(Layout(report.bands),
            (std::vector<std::string>{"Результаты расчета смеси, Объемы при α = 1 | "
                                      "Расчетные параметры | " +
                                          Text(doc.XLSheet20, 0, hb::kHeading),
                                      Text(doc.XLSheet20, 0, hb::kBalanceHeading) + " | " +
                                          Text(doc.XLSheet20, 0, hb::kFurnaceHeading) +
                                          ", Анализ дымовых газов | Выбросы CO2 и SO2, Условное "
                                          "топливо, Конденсация водяных паров"}));
  const ReportBlock* inputs = FindBlock(report.bands, Text(doc.XLSheet20, 0, hb::kHeading));
  EXPECT_TRUE(inputs->rows.front().heading);
  EXPECT_EQ(FindRow(inputs, "q4").value, "1.5");
  const ReportBlock* balance = FindBlock(report.bands, "Тепловой баланс");
  for (int row = hb::kAvailableHeat; row <= hb::kCalculatedFuelConsumption; ++row) {
    ExpectShows(balance, doc.XLSheet20, row, Text(doc.XLSheet20, 2, row));
  }
  ExpectShows(FindBlock(report.bands, "Объемы при α = 1"), doc.XLSheet14, 3, "Нм³/кг");
  ExpectShows(FindBlock(report.bands, "Результаты расчета смеси"), doc.XLSheet14, 8,
              Text(doc.XLSheet14, 2, 8));
  EXPECT_EQ(report.enthalpy.rows.size(), static_cast<std::size_t>(doc.XLSheet16.ColCount()));
  EXPECT_EQ(report.enthalpy.rows.front()[1], Text(doc.XLSheet16, 0, 1));

  // A third slot with no fuel, and a share of 0, take no part; the numbers follow those
  // listed. A total that is not 100 is red.
  SetComponentCount(doc, "3");
  doc.Slots[0].share = "0";
  doc.Edit3 = "40";
  report = MakeFuelReport(doc, true);
  ASSERT_EQ(report.header.components.size(), 1U);
  EXPECT_EQ(report.header.components[0].line.substr(0, 3), "1. ");
  EXPECT_EQ(report.header.components[0].share, "40 %");
  EXPECT_TRUE(report.header.total_red);
  doc.Edit3 = "100,0";
  EXPECT_FALSE(MakeFuelReport(doc, true).header.total_red);
  doc.Slots[0].share = "abc";
  EXPECT_EQ(MakeFuelReport(doc, true).header.components.size(), 1U);
  doc.Slots[0].share = "12,5";
  EXPECT_EQ(MakeFuelReport(doc, true).header.components.size(), 2U);
}

}  // namespace
}  // namespace calc
