// The report's texts: cells of the document's sheets, trimmed, with the cube of "м3"
// raised, gathered into the header, the bands of blocks and the enthalpy table.
#include "calc/report_blocks.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <span>
#include <string_view>

#include "calc/composition_range.h"
#include "calc/design_cells.h"
#include "calc/diagram.h"
#include "calc/heat_balance.h"
#include "calc/sheet_cells.h"
#include "calc/text.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// Latin and Cyrillic capitals of a UTF-8 text to small letters.
std::string Lowered(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto& c = reinterpret_cast<unsigned char&>(text[i]);
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<unsigned char>(c + ('a' - 'A'));
    } else if (c == 0xD0 && i + 1 < text.size()) {
      auto& next = reinterpret_cast<unsigned char&>(text[i + 1]);
      if (next >= 0x80 && next <= 0x8F) {  // Ѐ..Џ to ѐ..џ
        c = 0xD1;
        next = static_cast<unsigned char>(next + 0x10);
      } else if (next >= 0x90 && next <= 0x9F) {  // А..П to а..п
        next = static_cast<unsigned char>(next + 0x20);
      } else if (next >= 0xA0 && next <= 0xAF) {  // Р..Я to р..я
        c = 0xD1;
        next = static_cast<unsigned char>(next - 0x20);
      }
      ++i;
    }
  }
  return text;
}

std::string Cell(const sheets::Sheet& sheet, int col, int row) {
  if (col < 0 || col >= sheet.ColCount() || row >= sheet.RowCount()) return {};
  return BlanksTrimmed(sheet.Text(col, row));
}

// Units as the sheets write them, with a raised cube.
std::string Unit(std::string unit) {
  ReplaceAll(unit, "м3", "м³");
  return unit;
}

// A share or a total as typed, with either decimal separator.
std::optional<long double> TypedNumber(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return sheets::ParseFloat(text, '.');
}

using Row = ReportRow;
using Block = ReportBlock;

Row Heading(const std::string& label) { return {label, {}, {}, true}; }

Row SheetRow(const sheets::Sheet& sheet, int row) {
  Row shown{Cell(sheet, 0, row), Cell(sheet, 1, row), Unit(Cell(sheet, 2, row))};
  shown.red = row < sheet.RowCount() && sheet.At(1, row).font_color != sheets::kBlack;
  return shown;
}

void AddRows(Block& block, const sheets::Sheet& sheet, std::initializer_list<int> rows) {
  for (const int row : rows) block.rows.push_back(SheetRow(sheet, row));
}

// The fuel's composition and total, from the input sheet in force.
Block CompositionBlock(const FuelDocument& doc) {
  Block block{"Состав топлива", {}};
  if (doc.GasSheetsShown) {
    AddRows(block, doc.XLSheet1_2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
  } else {
    AddRows(block, doc.RadioButton1 ? doc.XLSheet1_1 : doc.XLSheet3, {1, 2, 3, 4, 5, 6, 7, 8});
  }
  if (!block.rows.empty()) block.rows.back().bold = true;  // "Всего"
  // A stored record may hold contents no fuel has: the report says which, and why.
  for (const OutOfRangeContent& content : CompositionOutOfRange(doc)) {
    Row note = Heading(content.label + " " + content.text + " вне диапазона: " + content.range);
    note.red = true;
    block.rows.push_back(std::move(note));
  }
  return block;
}

// Heating value and the other characteristics; reduced values of a solid or liquid fuel.
Block PropertiesBlock(const FuelDocument& doc) {
  Block block{"Характеристики", {}};
  if (doc.GasSheetsShown) {
    AddRows(block, doc.XLSheet1_2, {sheet_row::kGasHeatingValue, sheet_row::kGasDensity});
  } else if (doc.RadioButton1) {
    AddRows(block, doc.XLSheet1_1, {sheet_row::kHeatingValue1973, sheet_row::kVolatiles1973});
  } else {
    AddRows(block, doc.XLSheet3, {sheet_row::kHeatingValue1998, sheet_row::kVolatiles1998});
  }
  if (doc.ComboBox3 < kGasType) {
    // Beside the lower heating value: the higher one, from the heat-balance tab.
    block.rows.insert(block.rows.begin() + 1,
                      SheetRow(doc.XLSheet19, heat_balance_row::kHigherHeatingValue));
  }
  if (!doc.GasSheetsShown && !doc.RadioButton1) {
    block.rows.push_back(Heading("Приведенные значения"));
    AddRows(block, doc.XLSheet4, {sheet_row::kReducedMoisture, sheet_row::kReducedAsh});
  }
  return block;
}

Block VolumesBlock(const sheets::Sheet& sheet, int first) {
  Block block{"Объемы при α = 1", {}};
  for (int row = first; row < first + 4; ++row) block.rows.push_back(SheetRow(sheet, row));
  return block;
}

Block MixtureResultsBlock(const FuelDocument& doc) {
  Block block{"Результаты расчета смеси", {}};
  AddRows(block, doc.XLSheet14, {sheet_row::kMixtureHeatingValue});
  return block;
}

Block DesignBlock(const sheets::Sheet& design, std::span<const DesignCell> cells) {
  Block block{"Расчетные параметры", {}};
  block.rows.push_back(Heading("Исходные данные"));
  for (const DesignCell& cell : cells) {
    const std::string_view key = cell.key;
    // The inputs end where the products of combustion begin.
    if (key == "water_volume") block.rows.push_back(Heading("Продукты сгорания"));
    Row row{Cell(design, cell.col - 1, cell.row), Cell(design, cell.col, cell.row),
            Unit(Cell(design, cell.col + 1, cell.row))};
    if (key == "given") row.label = "Задано: " + Lowered(row.label);
    block.rows.push_back(row);
  }
  return block;
}

namespace hb = heat_balance_row;

// Heat-balance rows first..last; one whose result is not formed (no heat output, no
// flue-gas analysis typed) is left out.
void AddResultRows(Block& block, const sheets::Sheet& sheet, int first, int last) {
  for (int row = first; row <= last; ++row) {
    if (Cell(sheet, 1, row).empty()) continue;
    block.rows.push_back(SheetRow(sheet, row));
    block.rows.back().bold = row == hb::kEfficiency;
  }
}

// The bases of a solid or liquid fuel as one table: each element, the ash and the heating
// value on the dry and on the dry ash-free mass.
Block BasesBlock(const sheets::Sheet& sheet) {
  Block block{"Состав на сухую и горючую массу", {}, true};
  block.rows.push_back({{}, "сухая", {}, true, false, "горючая"});
  // The sheet's labels name the mass; the columns do here.
  auto label = [&sheet](int row) {
    std::string text = Cell(sheet, 0, row);
    for (const std::string_view mass : {" на сухую массу", " сухой массы"}) {
      ReplaceAll(text, mass, "");
    }
    return text;
  };
  for (int i = 0; i < 5; ++i) {
    block.rows.push_back({label(hb::kDryFirst + i), Cell(sheet, 1, hb::kDryFirst + i),
                          Unit(Cell(sheet, 2, hb::kDryFirst + i)), false, false,
                          Cell(sheet, 1, hb::kDafFirst + i)});
  }
  block.rows.push_back(SheetRow(sheet, hb::kDryFirst + 5));
  block.rows.back().label = label(hb::kDryFirst + 5);
  block.rows.push_back({label(hb::kDryHeatingValue), Cell(sheet, 1, hb::kDryHeatingValue),
                        Unit(Cell(sheet, 2, hb::kDryHeatingValue)), false, false,
                        Cell(sheet, 1, hb::kDafHeatingValue)});
  return block;
}

// The blocks of the heat balance of XLSheet19 or XLSheet20.
struct HeatBalanceBlocks {
  Block inputs;  // by their symbols; those left empty are left out
  Block balance;
  Block furnace;
  Block flue_gas;
  Block emissions;
  Block standard_fuel;
  Block condensation;  // left out with no flue gas
};

HeatBalanceBlocks HeatBalanceOf(const sheets::Sheet& sheet) {
  HeatBalanceBlocks blocks{.inputs = {Cell(sheet, 0, hb::kInputsHeading), {}},
                           .balance = {Cell(sheet, 0, hb::kHeading), {}},
                           .furnace = {Cell(sheet, 0, hb::kFurnaceHeading), {}},
                           .flue_gas = {"Анализ дымовых газов", {}},
                           .emissions = {Cell(sheet, 0, hb::kEmissionsHeading), {}},
                           .standard_fuel = {Cell(sheet, 0, hb::kStandardFuelHeading), {}},
                           .condensation = {Cell(sheet, 0, hb::kCondensationHeading), {}}};
  for (const HeatBalanceInput& input : kHeatBalanceInputs) {
    if (Cell(sheet, 1, input.row).empty()) continue;
    blocks.inputs.rows.push_back(SheetRow(sheet, input.row));
    blocks.inputs.rows.back().label = input.symbol;
  }
  AddResultRows(blocks.balance, sheet, hb::kAvailableHeat, hb::kCalculatedFuelConsumption);
  AddResultRows(blocks.furnace, sheet, hb::kHotAirEnthalpy, hb::kAdiabaticTemperature);
  AddResultRows(blocks.flue_gas, sheet, hb::kRO2Max, hb::kExcessAirRO2);
  AddResultRows(blocks.emissions, sheet, hb::kCO2PerUnit, hb::kSO2Hourly);
  AddResultRows(blocks.standard_fuel, sheet, hb::kEquivalent, hb::kStandardFuelPerGJ);
  AddResultRows(blocks.condensation, sheet, hb::kDewPoint, hb::kCondensationShare);
  return blocks;
}

// The single fuel's line under its name: type, norms of a solid or liquid fuel, file.
std::string FuelSubtitle(const FuelDocument& doc) {
  std::string line = "Тип топлива: " + FuelTypeName(doc.ComboBox3);
  if (!doc.GasSheetsShown) line += doc.RadioButton1 ? ";  нормы 1973 г." : ";  нормы 1998 г.";
  if (!doc.Caption.empty()) {
    line += ";  файл: " + std::filesystem::path(doc.Caption).filename().string();
  }
  return line;
}

// The component count as typed, 2..5; a text that is no whole number counts as 2.
int ComponentCount(const std::string& typed) {
  const std::optional<long long> count = sheets::ParseInteger(typed);
  const long long shown = count && *count >= INT_MIN && *count <= INT_MAX ? *count : 0;
  return static_cast<int>(std::clamp(shown, 2LL, 5LL));
}

}  // namespace

std::string ReportTitle(const FuelDocument& doc, bool mixture) {
  return mixture ? "Смесь топлив" : doc.ComboBox1;
}

namespace {

ReportHeader MixtureHeader(const FuelDocument& doc) {
  ReportHeader header;
  header.title = ReportTitle(doc, true);
  const int count = ComponentCount(doc.Edit1);
  for (int k = 0; k < count; ++k) {
    const auto& slot = doc.Slots[static_cast<std::size_t>(k)];
    // A slot with no fuel or no share takes no part in the mixture.
    const std::optional<long double> share = TypedNumber(slot.share);
    if (slot.name.empty() || !share || *share == 0) continue;
    std::string line = std::to_string(header.components.size() + 1) + ". " + slot.name;
    if (!slot.type_name.empty()) line += " (" + slot.type_name + ")";
    header.components.push_back({line, slot.share + " %"});
  }
  header.total_label = "Сумма долей по массе";
  header.total = doc.Edit3 + " %";
  const std::optional<long double> total = TypedNumber(doc.Edit3);
  header.total_red = !total || !(std::fabs(*total - 100) < 1e-6) || !doc.Edit3Hint.empty();
  return header;
}

ReportEnthalpyTable EnthalpyTable(const sheets::Sheet& table, const sheets::Sheet& titles) {
  std::string unit = Unit(EnthalpyUnit(titles));
  if (unit.empty()) unit = "кДж/кг";
  ReportEnthalpyTable shown{"Энтальпии воздуха и продуктов сгорания при α = 1, " + unit,
                            {"t, °С", "Воздух I⁰в", "Газы I⁰г", "Зола Iзл"},
                            {}};
  for (int col = 0; col < table.ColCount(); ++col) {
    shown.rows.push_back(
        {Cell(table, col, 0), Cell(table, col, 1), Cell(table, col, 2), Cell(table, col, 3)});
  }
  return shown;
}

}  // namespace

std::vector<ReportBand> FuelReportBands(const FuelDocument& doc, bool mixture) {
  if (mixture) {
    // The mixture's first band has room for the heat-balance inputs; headed as on the
    // tab, they name the balance beside the design parameters.
    HeatBalanceBlocks balance = HeatBalanceOf(doc.XLSheet20);
    balance.inputs.title = Cell(doc.XLSheet20, 0, hb::kHeading);
    balance.inputs.rows.insert(balance.inputs.rows.begin(),
                               Heading(Cell(doc.XLSheet20, 0, hb::kInputsHeading)));
    balance.balance.title = Cell(doc.XLSheet20, 0, hb::kBalanceHeading);
    return {{{MixtureResultsBlock(doc), VolumesBlock(doc.XLSheet14, sheet_row::kMixtureVolumes)},
             {DesignBlock(doc.XLSheet17, kMixtureDesignCells)},
             {balance.inputs}},
            {{balance.balance},
             {balance.furnace, balance.flue_gas},
             {balance.emissions, balance.standard_fuel, balance.condensation}}};
  }
  HeatBalanceBlocks balance = HeatBalanceOf(doc.XLSheet19);
  ReportColumn last = {balance.flue_gas, balance.emissions};
  if (doc.ComboBox3 < kGasType) last.push_back(BasesBlock(doc.XLSheet19));
  // The new blocks fill the columns under the balance so that the page keeps its diagram.
  return {{{CompositionBlock(doc)},
           {PropertiesBlock(doc), VolumesBlock(doc.XLSheet2, sheet_row::kVolumes)},
           {DesignBlock(doc.XLSheet15, kFuelDesignCells)}},
          {{balance.inputs, balance.condensation},
           {balance.balance, balance.furnace, balance.standard_fuel},
           last}};
}

FuelReport MakeFuelReport(const FuelDocument& doc, bool mixture) {
  FuelReport report;
  if (mixture) {
    report.header = MixtureHeader(doc);
  } else {
    report.header.title = ReportTitle(doc, false);
    report.header.subtitle = FuelSubtitle(doc);
  }
  report.bands = FuelReportBands(doc, mixture);
  report.enthalpy = mixture ? EnthalpyTable(doc.XLSheet16, doc.XLSheet18)
                            : EnthalpyTable(doc.XLSheet6, doc.XLSheet8);
  report.diagram_title = "I–ϑ диаграмма";
  report.balance = BalanceBands(mixture ? doc.XLSheet20 : doc.XLSheet19);
  report.balance_title = "Тепловой баланс, % от Qрр";
  return report;
}

}  // namespace calc
