// The enthalpy–temperature table: air, flue gas at excess air 1 and fly ash at
// 100..2500 °C from the theoretical volumes and the built-in table of gases and ash.
#pragma once

#include "calc/enthalpy_table.h"
#include "calc/fuel_document.h"
#include "calc/volumes.h"

namespace calc {

// Specific enthalpies (cθ) of one temperature row of the built-in table.
struct SpecificEnthalpies {
  float co2 = 0;  // all triatomic gases, kJ/m3
  float n2 = 0;
  float h2o = 0;
  float air = 0;
  float ash = 0;  // kJ/kg; -1 where there is none
};

// Row `row` (0..24) of XLSheet11; throws sheets::ConvertError for a cell that is not a
// number.
SpecificEnthalpies ReadEnthalpyRow(const FuelDocument& doc, int row);

// The fly-ash carry-over aун a cell holds: its number clamped to 0..1; 0.95 for a text that
// is not a number or is too large for a single. The heat balance reads it this way.
long double CarryoverOf(const sheets::Sheet& sheet, int col, int row);

// CarryoverOf in single precision, as the enthalpy table and the design take it, written
// back into the cell (so a refused text shows 0.95 there too).
float ReadCarryoverCell(sheets::Sheet& sheet, int col, int row);

// Where the ash enthalpy takes its carry-over from; none for a fuel without ash (gas).
struct CarryoverCell {
  sheets::Sheet* sheet = nullptr;
  int col = 1;
  int row = 0;
};

// Fills rows 1..3 of an enthalpy–temperature sheet: I0air, I0g and Iash ("-" where
// negative) with "0.##". The carry-over cell is read once.
void WriteEnthalpyTable(const FuelDocument& doc, sheets::Sheet& table,
                        const TheoreticalVolumes& volumes, float ash_percent,
                        CarryoverCell carryover);

// The row titles of XLSheet8 in kJ/kg (solid and liquid) or kJ/m3 (gas).
void SetEnthalpyTitles(FuelDocument& doc, bool gas);

}  // namespace calc
