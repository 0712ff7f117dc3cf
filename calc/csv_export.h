// The enthalpy–temperature table, the design results and the heat balance as CSV, for a
// spreadsheet: UTF-8 with a byte-order mark, the fuel's name and composition first, numbers with
// the document's decimal separator and fields separated by ";" where that separator is a comma, by
// "," otherwise. Free texts never reach a spreadsheet as formulas.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design_cells.h"
#include "calc/fuel_document.h"

namespace calc {

// The UTF-8 byte-order mark that starts every CSV text, so that a spreadsheet whose
// default code page is another one reads the Cyrillic names.
inline constexpr std::string_view kCsvByteOrderMark = "\xEF\xBB\xBF";

// The field separator that goes with a decimal separator.
char CsvSeparator(char decimal_separator);

// One field, quoted when it holds the separator, a quote or a line break.
std::string CsvField(std::string_view text, char separator);

// Fields joined into one line ending in CR LF.
std::string CsvRow(const std::vector<std::string>& fields, char separator);

// A free text (a name, a label, a unit, a typed text): one that a spreadsheet would take
// for a formula (starting with "=", "+", "-", "@", a tab or a CR) gets a "'" before it.
std::string CsvText(std::string_view text);

// A cell that shows a number: a number, an empty cell or the "-" of a value not found
// stay as they are; any other text is a free text (CsvText).
std::string CsvValue(std::string_view text, char decimal_separator);

// The table (row titles and 25 temperature columns turned into one line per
// temperature), an empty line, then the design parameters as name, value, unit; the
// given parameter is named "Задающий параметр: " and its kind.
std::string EnthalpyDesignCsv(const sheets::Sheet& titles, const sheets::Sheet& table,
                              const sheets::Sheet& design, std::span<const DesignCell> cells);

// The first `row_count` rows of a heat-balance sheet: a heading alone, any other row as
// name, value, unit.
std::string HeatBalanceCsv(const sheets::Sheet& sheet, int row_count);

// The single fuel: the mark, its name, type and composition rows, an empty line, its
// table and design parameters, an empty line and its heat balance.
std::string FuelCsv(const FuelDocument& doc);
// The mixture: the mark, its components with their types and shares and the total, an
// empty line, its table and design parameters, an empty line and its heat balance.
std::string MixtureCsv(const FuelDocument& doc);

}  // namespace calc
