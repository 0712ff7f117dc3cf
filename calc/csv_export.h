// The enthalpy–temperature table and the design results as CSV: UTF-8, a header row per
// table, numbers with the document's decimal separator and fields separated by ";"
// where that separator is a comma, by "," otherwise.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design_cells.h"
#include "calc/fuel_document.h"

namespace calc {

// The field separator that goes with a decimal separator.
char CsvSeparator(char decimal_separator);

// One field, quoted when it holds the separator, a quote or a line break.
std::string CsvField(std::string_view text, char separator);

// Fields joined into one line ending in CR LF.
std::string CsvRow(const std::vector<std::string>& fields, char separator);

// The table (row titles and 25 temperature columns turned into one line per
// temperature), an empty line, then the design parameters as name, value, unit.
std::string EnthalpyDesignCsv(const sheets::Sheet& titles, const sheets::Sheet& table,
                              const sheets::Sheet& design, std::span<const DesignCell> cells);

// The single fuel's table and design parameters.
std::string FuelCsv(const FuelDocument& doc);
// The mixture's.
std::string MixtureCsv(const FuelDocument& doc);

}  // namespace calc
