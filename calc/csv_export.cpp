// CSV export of the enthalpy–temperature table, the design parameters and the heat balance.
#include "calc/csv_export.h"

#include <algorithm>
#include <cstdint>

#include "calc/heat_balance.h"
#include "calc/mixture.h"
#include "calc/sheet_cells.h"
#include "calc/text.h"
#include "sheets/errors.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

// The given parameter's row label: the kind's name alone would repeat the heading of the
// state row below it.
std::string GivenLabel(const sheets::Sheet& design, const DesignCell& cell) {
  std::int64_t kind = -1;
  try {
    kind = design.Integer(cell.col - 1, cell.row);
  } catch (const sheets::Error&) {
    // Not a kind: the cell's own text names the row.
  }
  if (kind < 0 || kind > 2) return SpacesTrimmed(design.Text(cell.col - 1, cell.row));
  return std::string("Задающий параметр: ") + kGivenKindNames[kind];
}

// The working-mass composition of the input sheet in force: label, value, unit.
std::string CompositionCsv(const FuelDocument& doc, char sep) {
  const sheets::Sheet& sheet =
      doc.GasSheetsShown ? doc.XLSheet1_2 : (doc.RadioButton1 ? doc.XLSheet1_1 : doc.XLSheet3);
  const int total_row = doc.GasSheetsShown ? sheet_row::kGasTotal : sheet_row::kCompositionTotal;
  std::string out = CsvRow({CsvText(SpacesTrimmed(sheet.Text(0, 0)))}, sep);
  for (int row = 1; row <= total_row; ++row) {
    out += CsvRow(
        {CsvText(SpacesTrimmed(sheet.Text(0, row))),
         CsvValue(sheet.Text(1, row), sheet.DecimalSeparator()), CsvText(sheet.Text(2, row))},
        sep);
  }
  return out;
}

}  // namespace

char CsvSeparator(char decimal_separator) { return decimal_separator == ',' ? ';' : ','; }

std::string CsvField(std::string_view text, char separator) {
  const bool quote = std::any_of(text.begin(), text.end(), [separator](char ch) {
    return ch == separator || ch == '"' || ch == '\n' || ch == '\r';
  });
  if (!quote) return std::string(text);
  std::string out = "\"";
  for (const char ch : text) {
    if (ch == '"') out += '"';
    out += ch;
  }
  return out + '"';
}

std::string CsvRow(const std::vector<std::string>& fields, char separator) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += separator;
    line += CsvField(fields[i], separator);
  }
  return line + "\r\n";
}

std::string CsvText(std::string_view text) {
  const bool formula =
      !text.empty() && (text.front() == '=' || text.front() == '+' || text.front() == '-' ||
                        text.front() == '@' || text.front() == '\t' || text.front() == '\r');
  return formula ? "'" + std::string(text) : std::string(text);
}

std::string CsvValue(std::string_view text, char decimal_separator) {
  if (text.empty() || text == "-" || sheets::ParseFloat(text, decimal_separator)) {
    return std::string(text);
  }
  return CsvText(text);
}

std::string EnthalpyDesignCsv(const sheets::Sheet& titles, const sheets::Sheet& table,
                              const sheets::Sheet& design, std::span<const DesignCell> cells) {
  const char point = table.DecimalSeparator();
  const char sep = CsvSeparator(point);
  std::vector<std::string> header;
  for (int row = 0; row < 4; ++row) header.push_back(CsvText(SpacesTrimmed(titles.Text(0, row))));
  std::string out = CsvRow(header, sep);
  for (int col = 0; col < table.ColCount(); ++col) {
    std::vector<std::string> line;
    for (int row = 0; row < 4; ++row) line.push_back(CsvValue(table.Text(col, row), point));
    out += CsvRow(line, sep);
  }
  out += "\r\n";
  out += CsvRow({"Параметр", "Значение", "Единица"}, sep);
  for (const DesignCell& cell : cells) {
    const std::string label = std::string_view(cell.key) == "given"
                                  ? GivenLabel(design, cell)
                                  : SpacesTrimmed(design.Text(cell.col - 1, cell.row));
    const std::string unit =
        cell.col + 1 < design.ColCount() ? design.Text(cell.col + 1, cell.row) : "";
    out += CsvRow({CsvText(label), CsvValue(design.Text(cell.col, cell.row), point), CsvText(unit)},
                  sep);
  }
  return out;
}

std::string HeatBalanceCsv(const sheets::Sheet& sheet, int row_count) {
  const char point = sheet.DecimalSeparator();
  const char sep = CsvSeparator(point);
  std::string out;
  for (int row = 0; row < std::min(row_count, sheet.RowCount()); ++row) {
    const std::string label = CsvText(SpacesTrimmed(sheet.Text(0, row)));
    const sheets::MergedArea* heading = sheet.AreaAt(0, row);
    if (heading != nullptr && heading->col_count > 1) {
      out += CsvRow({label}, sep);
    } else {
      out += CsvRow({label, CsvValue(sheet.Text(1, row), point), CsvText(sheet.Text(2, row))}, sep);
    }
  }
  return out;
}

std::string FuelCsv(const FuelDocument& doc) {
  const char sep = CsvSeparator(doc.DecimalSeparator());
  std::string out(kCsvByteOrderMark);
  out += CsvRow({"Топливо", CsvText(doc.ComboBox1)}, sep);
  out += CsvRow({"Тип", CsvText(FuelTypeName(doc.ComboBox3))}, sep);
  out += CompositionCsv(doc, sep) + "\r\n";
  out += EnthalpyDesignCsv(doc.XLSheet8, doc.XLSheet6, doc.XLSheet15, kFuelDesignCells) + "\r\n";
  return out + HeatBalanceCsv(doc.XLSheet19, FuelHeatBalanceRows(doc));
}

std::string MixtureCsv(const FuelDocument& doc) {
  const char point = doc.DecimalSeparator();
  const char sep = CsvSeparator(point);
  std::string out(kCsvByteOrderMark);
  out += CsvRow({"Смесь топлива"}, sep);
  const auto count = sheets::ParseInteger(doc.Edit1);
  const int slots =
      count ? static_cast<int>(std::clamp<long long>(*count, 0, FuelDocument::kSlots)) : 0;
  for (int slot = 0; slot < slots; ++slot) {
    const FuelDocument::MixtureSlot& s = doc.Slots[static_cast<std::size_t>(slot)];
    out += CsvRow({CsvText(s.name), CsvText(s.type_name), CsvValue(s.share, point), "%"}, sep);
  }
  out += CsvRow({"Процентов смеси составлено", CsvValue(doc.Edit3, point), "%"}, sep);
  out += "\r\n";
  out += EnthalpyDesignCsv(doc.XLSheet18, doc.XLSheet16, doc.XLSheet17, kMixtureDesignCells);
  return out + "\r\n" + HeatBalanceCsv(doc.XLSheet20, doc.XLSheet20.RowCount());
}

}  // namespace calc
