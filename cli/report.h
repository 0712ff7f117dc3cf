// What pyrana-calc prints: the document's shown texts as JSON or as a text report
// laid out like the sheets.
#pragma once

#include <cstddef>
#include <string>

#include "calc/fuel_document.h"
#include "calc/heat_balance.h"
#include "cli/json.h"

namespace cli {

Json SingleFuelJson(const calc::FuelDocument& doc);
std::string SingleFuelText(const calc::FuelDocument& doc);

// The rows 1..3 (air, flue gas, ash) of an enthalpy–temperature table.
Json EnthalpyJson(const sheets::Sheet& table);

// The inputs and results of the single fuel's design-parameter sheet.
Json DesignJson(const sheets::Sheet& design);

// The shown quantities of a heat balance under their keys, and the bases of a solid or
// liquid fuel.
Json HeatBalanceJson(const calc::HeatBalanceTexts& texts);

Json MixtureJson(const calc::FuelDocument& doc);
std::string MixtureText(const calc::FuelDocument& doc);

// The four volumes of column 1, rows first..first + 3.
Json VolumesJson(const sheets::Sheet& sheet, int first);

// The heating value as the input sheet in force shows it.
std::string HeatingValueText(const calc::FuelDocument& doc);

// Displayed width of a UTF-8 text: one column per code point.
std::size_t DisplayWidth(const std::string& text);

// A sheet as aligned text rows; empty rows are left out.
std::string SheetText(const sheets::Sheet& sheet);
// The same of the sheet's first `row_count` rows.
std::string SheetText(const sheets::Sheet& sheet, int row_count);

}  // namespace cli
