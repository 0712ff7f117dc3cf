// The enthalpy–temperature table: air, flue gas at excess air 1 and fly ash at
// 100..2500 °C from the theoretical volumes and the built-in table of gases and ash.
#pragma once

#include "calc/fuel_document.h"
#include "calc/volumes.h"

namespace calc {

inline constexpr int kTemperatureColumns = 25;  // 100, 200 .. 2500 °C

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

// Reads the carry-over cell of XLSheet13, clamps it to 0..1 and writes it back; a text
// that is not a number becomes 0.95, in the cell too.
float ReadCarryover(FuelDocument& doc);

// Fills rows 1..3 of XLSheet6: I0air, I0g and Iash ("-" where negative) with "0.##".
// `ash_percent` is record row 1; a gas (`type_index` 6) has no ash enthalpy.
void WriteEnthalpyTable(FuelDocument& doc, const TheoreticalVolumes& volumes, float ash_percent,
                        int type_index);

// The row titles of XLSheet8 in kJ/kg (solid and liquid) or kJ/m3 (gas).
void SetEnthalpyTitles(FuelDocument& doc, bool gas);

}  // namespace calc
