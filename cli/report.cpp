// The calculator's report of a single fuel.
#include "cli/report.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "calc/design_cells.h"
#include "calc/enthalpy.h"
#include "calc/enthalpy_table.h"
#include "calc/sheet_cells.h"
#include "cli/terminal_text.h"

namespace cli {

namespace {

Json ColumnTexts(const sheets::Sheet& sheet, int col, int first_row, int last_row) {
  Json texts = Json::array();
  for (int row = first_row; row <= last_row; ++row) texts.push_back(sheet.Text(col, row));
  return texts;
}

Json RowTexts(const sheets::Sheet& sheet, int row) {
  Json texts = Json::array();
  for (int col = 0; col < sheet.ColCount(); ++col) texts.push_back(sheet.Text(col, row));
  return texts;
}

Json Total(const sheets::Sheet& sheet, int row) {
  Json total;
  total["text"] = sheet.Text(1, row);
  total["color"] = sheet.At(1, row).font_color == sheets::kRed ? "red" : "black";
  return total;
}

// The enthalpy–temperature table turned to one line per temperature.
std::string EnthalpyTableText(const sheets::Sheet& titles, const sheets::Sheet& values) {
  sheets::Sheet table(4, 26, values.DecimalSeparator());
  for (int row = 0; row < 4; ++row) table.SetText(row, 0, titles.Text(0, row));
  for (int j = 0; j < calc::kTemperatureColumns; ++j) {
    for (int row = 0; row < 4; ++row) table.SetText(row, j + 1, values.Text(j, row));
  }
  return SheetText(table);
}

}  // namespace

std::size_t DisplayWidth(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  }));
}

std::string SheetText(const sheets::Sheet& sheet) { return SheetText(sheet, sheet.RowCount()); }

std::string SheetText(const sheets::Sheet& sheet, int row_count) {
  row_count = std::min(row_count, sheet.RowCount());
  // A heading merged over several columns does not widen its first column.
  auto spans_columns = [&sheet](int col, int row) {
    return std::any_of(sheet.MergedAreas().begin(), sheet.MergedAreas().end(),
                       [&](const sheets::MergedArea& a) {
                         return a.col == col && a.row == row && a.col_count > 1;
                       });
  };
  std::vector<std::size_t> widths(static_cast<std::size_t>(sheet.ColCount()), 0);
  for (int row = 0; row < row_count; ++row) {
    for (int col = 0; col < sheet.ColCount(); ++col) {
      if (spans_columns(col, row)) continue;
      auto& width = widths[static_cast<std::size_t>(col)];
      width = std::max(width, DisplayWidth(TerminalText(sheet.DisplayText(col, row))));
    }
  }
  std::string out;
  for (int row = 0; row < row_count; ++row) {
    std::string line;
    for (int col = 0; col < sheet.ColCount(); ++col) {
      const std::string text = TerminalText(sheet.DisplayText(col, row));
      line += text;
      if (spans_columns(col, row)) break;
      if (col + 1 < sheet.ColCount()) {
        line += std::string(widths[static_cast<std::size_t>(col)] - DisplayWidth(text) + 2, ' ');
      }
    }
    line.erase(line.find_last_not_of(' ') + 1);
    if (!line.empty()) out += line + '\n';
  }
  return out;
}

Json EnthalpyJson(const sheets::Sheet& table) {
  Json enthalpy;
  enthalpy["air"] = RowTexts(table, calc::enthalpy_row::kAir);
  enthalpy["gas"] = RowTexts(table, calc::enthalpy_row::kGas);
  enthalpy["ash"] = RowTexts(table, calc::enthalpy_row::kAsh);
  return enthalpy;
}

namespace {

Json DesignCellsJson(const sheets::Sheet& design, std::span<const calc::DesignCell> cells) {
  Json json;
  for (const calc::DesignCell& cell : cells) {
    const std::string_view key = cell.key;
    if (key == "given") json["given_kind"] = static_cast<int>(design.Integer(0, 3));
    json[cell.key] = design.Text(cell.col, cell.row);
    if (key == "given") json["unit"] = design.Text(cell.col + 1, cell.row);
  }
  return json;
}

}  // namespace

std::string HeatingValueText(const calc::FuelDocument& doc) {
  using calc::sheet_row::kHeatingValue1973, calc::sheet_row::kHeatingValue1998;
  if (doc.GasSheetsShown) return doc.XLSheet1_2.Text(1, calc::sheet_row::kGasHeatingValue);
  return doc.RadioButton1 ? doc.XLSheet1_1.Text(1, kHeatingValue1973)
                          : doc.XLSheet3.Text(1, kHeatingValue1998);
}

Json VolumesJson(const sheets::Sheet& sheet, int first) {
  Json volumes;
  volumes["air"] = sheet.Text(1, first);
  volumes["nitrogen"] = sheet.Text(1, first + 1);
  volumes["triatomic"] = sheet.Text(1, first + 2);
  volumes["water"] = sheet.Text(1, first + 3);
  return volumes;
}

Json DesignJson(const sheets::Sheet& design) {
  return DesignCellsJson(design, calc::kFuelDesignCells);
}

Json HeatBalanceJson(const calc::HeatBalanceTexts& texts) {
  Json json;
  for (const auto& [key, text] : texts.values) json[key] = text;
  if (texts.basis) {
    Json basis;
    for (const auto& [element, text] : texts.basis->dry) basis["dry"][element] = text;
    for (const auto& [element, text] : texts.basis->daf) basis["daf"][element] = text;
    basis["higher_heating_value"] = texts.basis->higher_heating_value;
    basis["dry_heating_value"] = texts.basis->dry_heating_value;
    basis["daf_heating_value"] = texts.basis->daf_heating_value;
    json["basis"] = std::move(basis);
  }
  for (const auto& [key, text] : texts.emissions) json["emissions"][key] = text;
  for (const auto& [key, text] : texts.condensation) json["condensation"][key] = text;
  return json;
}

Json MixtureJson(const calc::FuelDocument& doc) {
  Json json;
  json["valid"] = doc.SpeedButton13;
  json["total"] = doc.Edit3;
  Json components = Json::array();
  const int count = std::stoi(doc.Edit1);
  for (int slot = 0; slot < count; ++slot) {
    const auto& s = doc.Slots[static_cast<std::size_t>(slot)];
    Json component;
    component["name"] = s.name;
    component["type_name"] = s.type_name;
    component["share"] = s.share;
    components.push_back(std::move(component));
  }
  json["components"] = std::move(components);
  json["volumes"] = VolumesJson(doc.XLSheet14, calc::sheet_row::kMixtureVolumes);
  json["heating_value"] = doc.XLSheet14.Text(1, calc::sheet_row::kMixtureHeatingValue);
  json["enthalpy"] = EnthalpyJson(doc.XLSheet16);
  json["all_gaseous"] =
      static_cast<int>(doc.XLFuel.Integer(calc::kAllGaseousCol, calc::kAllGaseousRow));
  if (doc.SpeedButton13) {
    json["design"] = DesignCellsJson(doc.XLSheet17, calc::kMixtureDesignCells);
    json["heat_balance"] = HeatBalanceJson(calc::MixtureHeatBalanceTexts(doc));
  }
  return json;
}

std::string MixtureText(const calc::FuelDocument& doc) {
  std::string out = "Смесь топлива\n";
  const int count = std::stoi(doc.Edit1);
  for (int slot = 0; slot < count; ++slot) {
    const auto& s = doc.Slots[static_cast<std::size_t>(slot)];
    out += " " + std::to_string(slot + 1) + ". " + TerminalText(s.name) + " (" + s.type_name +
           "): " + TerminalText(s.share) + " %\n";
  }
  out += "Процентов смеси составлено: " + doc.Edit3 + "\n\n";
  out += SheetText(doc.XLSheet14) + "\n";
  if (!doc.SpeedButton13) return out;
  out += SheetText(doc.XLSheet7Mixture) + EnthalpyTableText(doc.XLSheet18, doc.XLSheet16) + "\n";
  out += SheetText(doc.XLSheet17) + "\n";
  out += SheetText(doc.XLSheet20);
  return out;
}

Json SingleFuelJson(const calc::FuelDocument& doc) {
  Json json;
  json["name"] = doc.ComboBox1;
  json["type"] = doc.ComboBox3;
  json["record"] = ColumnTexts(doc.XLSheet10, calc::kRecordValueCol, 0, 49);
  json["heating_value"] = HeatingValueText(doc);
  json["composition_total"] = Total(doc.XLSheet3, calc::sheet_row::kCompositionTotal);
  json["gas_total"] = Total(doc.XLSheet1_2, calc::sheet_row::kGasTotal);
  json["oxide_total"] = Total(doc.XLSheet5, calc::sheet_row::kOxideTotal);
  Json reduced;
  reduced["moisture"] = doc.XLSheet4.Text(1, calc::sheet_row::kReducedMoisture);
  reduced["ash"] = doc.XLSheet4.Text(1, calc::sheet_row::kReducedAsh);
  json["reduced"] = std::move(reduced);
  json["volumes"] = VolumesJson(doc.XLSheet2, calc::sheet_row::kVolumes);
  json["volume_unit"] = doc.XLSheet2.Text(2, calc::sheet_row::kVolumes);
  json["enthalpy"] = EnthalpyJson(doc.XLSheet6);
  json["carryover"] = doc.XLSheet13.Text(1, 0);
  json["design"] = DesignJson(doc.XLSheet15);
  json["heat_balance"] = HeatBalanceJson(calc::FuelHeatBalanceTexts(doc));
  return json;
}

std::string SingleFuelText(const calc::FuelDocument& doc) {
  std::string out = "Месторождение, тип: " + TerminalText(doc.ComboBox1) + "\n";
  out += "Тип топлива: " + std::to_string(doc.ComboBox3) + "\n\n";
  if (doc.GasSheetsShown) {
    out += SheetText(doc.XLSheet1_2) + "\n";
  } else if (doc.RadioButton1) {
    out += SheetText(doc.XLSheet1_1) + "\n";
  } else {
    out += SheetText(doc.XLSheet3) + "\n" + SheetText(doc.XLSheet4) + "\n" +
           SheetText(doc.XLSheet5) + "\n";
  }
  out += SheetText(doc.XLSheet2) + "\n";
  out += SheetText(doc.XLSheet13) + "\n";
  out += SheetText(doc.XLSheet7) + EnthalpyTableText(doc.XLSheet8, doc.XLSheet6) + "\n";
  out += SheetText(doc.XLSheet15) + "\n";
  out += SheetText(doc.XLSheet19, calc::FuelHeatBalanceRows(doc));
  return out;
}

}  // namespace cli
