// CSV export of the enthalpy–temperature table and the design parameters.
#include "calc/csv_export.h"

#include <algorithm>

namespace calc {

namespace {

std::string Trimmed(std::string text) {
  text.erase(0, text.find_first_not_of(' '));
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
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

std::string EnthalpyDesignCsv(const sheets::Sheet& titles, const sheets::Sheet& table,
                              const sheets::Sheet& design, std::span<const DesignCell> cells) {
  const char sep = CsvSeparator(table.DecimalSeparator());
  std::vector<std::string> header;
  for (int row = 0; row < 4; ++row) header.push_back(Trimmed(titles.Text(0, row)));
  std::string out = CsvRow(header, sep);
  for (int col = 0; col < table.ColCount(); ++col) {
    out += CsvRow({table.Text(col, 0), table.Text(col, 1), table.Text(col, 2), table.Text(col, 3)},
                  sep);
  }
  out += "\r\n";
  out += CsvRow({"Параметр", "Значение", "Единица"}, sep);
  for (const DesignCell& cell : cells) {
    const std::string unit =
        cell.col + 1 < design.ColCount() ? design.Text(cell.col + 1, cell.row) : "";
    out += CsvRow(
        {Trimmed(design.Text(cell.col - 1, cell.row)), design.Text(cell.col, cell.row), unit}, sep);
  }
  return out;
}

std::string FuelCsv(const FuelDocument& doc) {
  return EnthalpyDesignCsv(doc.XLSheet8, doc.XLSheet6, doc.XLSheet15, kFuelDesignCells);
}

std::string MixtureCsv(const FuelDocument& doc) {
  return EnthalpyDesignCsv(doc.XLSheet18, doc.XLSheet16, doc.XLSheet17, kMixtureDesignCells);
}

}  // namespace calc
