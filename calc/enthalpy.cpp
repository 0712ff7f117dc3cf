// The enthalpy step of the recalculation.
#include "calc/enthalpy.h"

#include <algorithm>
#include <optional>
#include <string>

#include "sheets/numbers.h"

namespace calc {

SpecificEnthalpies ReadEnthalpyRow(const FuelDocument& doc, int row) {
  const sheets::Sheet& t = doc.XLSheet11;
  return {t.Number(1, row), t.Number(2, row), t.Number(3, row), t.Number(4, row), t.Number(5, row)};
}

long double CarryoverOf(const sheets::Sheet& sheet, int col, int row) {
  const std::optional<long double> value = sheet.ParsedNumber(col, row);
  if (!value || !sheets::TrySingle(*value)) return kDefaultCarryover;
  return std::clamp(*value, 0.0L, 1.0L);
}

float ReadCarryoverCell(sheets::Sheet& sheet, int col, int row) {
  const float carryover = sheets::ToSingle(CarryoverOf(sheet, col, row));
  sheet.SetSingle(col, row, carryover);
  return carryover;
}

void WriteEnthalpyTable(const FuelDocument& doc, sheets::Sheet& table, const TheoreticalVolumes& v,
                        float ash_percent, CarryoverCell carryover_cell) {
  const char sep = table.DecimalSeparator();
  // Read (and written back clamped) once: every column takes the same carry-over.
  const float carryover =
      carryover_cell.sheet
          ? ReadCarryoverCell(*carryover_cell.sheet, carryover_cell.col, carryover_cell.row)
          : 0;
  for (int j = 0; j < kTemperatureColumns; ++j) {
    const SpecificEnthalpies c = ReadEnthalpyRow(doc, j);
    const float air = sheets::ToSingle(static_cast<long double>(v.air) * c.air);
    const float gas = sheets::ToSingle(static_cast<long double>(v.triatomic) * c.co2 +
                                       static_cast<long double>(v.nitrogen) * c.n2 +
                                       static_cast<long double>(v.water) * c.h2o);
    float ash = 0;
    if (carryover_cell.sheet) {
      ash = sheets::ToSingle(static_cast<long double>(c.ash) * carryover * ash_percent * 0.01L);
    }
    table.SetText(j, enthalpy_row::kAir, sheets::FormatPattern(air, "0.##", sep));
    table.SetText(j, enthalpy_row::kGas, sheets::FormatPattern(gas, "0.##", sep));
    table.SetText(j, enthalpy_row::kAsh, ash < 0 ? "-" : sheets::FormatPattern(ash, "0.##", sep));
  }
}

void SetEnthalpyTitles(FuelDocument& doc, bool gas) {
  const std::string unit = gas ? ",кДж/м3" : ",кДж/кг";
  doc.XLSheet8.SetText(0, 1, " Энтальпия воздуха " + unit);
  doc.XLSheet8.SetText(0, 2, " Энтальпия дымовых газов " + unit);
  doc.XLSheet8.SetText(0, 3, " Энтальпия золы " + unit);
}

}  // namespace calc
