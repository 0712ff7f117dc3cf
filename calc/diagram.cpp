// The lines and the state of the I–ϑ diagram, read from displayed texts.
#include "calc/diagram.h"

#include <algorithm>
#include <cmath>

#include "calc/enthalpy_table.h"
#include "calc/text.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

// A cell text as a number; nullopt when it does not parse or is not finite.
std::optional<double> ReadNumber(const sheets::Sheet& sheet, int col, int row) {
  if (col >= sheet.ColCount() || row >= sheet.RowCount()) return std::nullopt;
  const auto value = sheets::ParseFloat(sheet.Text(col, row), sheet.DecimalSeparator());
  if (!value || !std::isfinite(static_cast<double>(*value))) return std::nullopt;
  return static_cast<double>(*value);
}

// The excess air of (1, 2); nullopt when it is no number or too large for a single.
std::optional<float> ReadExcessAirCell(const sheets::Sheet& design) {
  const auto value = ReadNumber(design, 1, 2);
  return value ? sheets::TrySingle(*value) : std::nullopt;
}

}  // namespace

Diagram DiagramLines(const sheets::Sheet& table, float alpha) {
  Diagram diagram;
  diagram.excess_air = alpha;
  bool ash_goes_on = true;
  for (int col = 0; col < table.ColCount(); ++col) {
    const auto t = ReadNumber(table, col, DisplayedTable::kTemperatureRow);
    const auto air = ReadNumber(table, col, DisplayedTable::kAirRow);
    const auto gas = ReadNumber(table, col, DisplayedTable::kGasRow);
    const auto ash = ReadNumber(table, col, DisplayedTable::kAshRow);
    ash_goes_on = ash_goes_on && t && ash;
    if (ash_goes_on) diagram.ash.push_back({*t, *ash});
    if (!t || !air || !gas) continue;
    diagram.air.push_back({*t, *air});
    diagram.gas.push_back({*t, FlueGasEnthalpy<double>(*gas, alpha, *air, ash.value_or(0))});
  }
  if (std::all_of(diagram.ash.begin(), diagram.ash.end(),
                  [](const DiagramPoint& p) { return p.enthalpy == 0; })) {
    diagram.ash.clear();
  }
  return diagram;
}

float DiagramExcessAir(const sheets::Sheet& design) {
  return ReadExcessAirCell(design).value_or(1);
}

std::optional<DiagramPoint> DiagramState(const sheets::Sheet& design, const StateCells& cells) {
  const auto t = ReadNumber(design, cells.temperature.col, cells.temperature.row);
  const auto gas = ReadNumber(design, cells.gas_enthalpy.col, cells.gas_enthalpy.row);
  if (!t || !gas) return std::nullopt;
  return DiagramPoint{*t, *gas};
}

std::string EnthalpyUnit(const sheets::Sheet& titles) {
  const std::string title = titles.Text(0, DisplayedTable::kAirRow);
  const auto comma = title.rfind(',');
  return comma == std::string::npos ? std::string() : SpacesTrimmed(title.substr(comma + 1));
}

Diagram MakeDiagram(const sheets::Sheet& table, const sheets::Sheet& titles,
                    const sheets::Sheet& design, const StateCells& cells) {
  const auto alpha = ReadExcessAirCell(design);
  Diagram diagram = DiagramLines(table, alpha.value_or(1));
  diagram.excess_air_text = alpha ? SpacesTrimmed(design.Text(1, 2)) : "1";
  diagram.state = DiagramState(design, cells);
  diagram.unit = EnthalpyUnit(titles);
  return diagram;
}

}  // namespace calc
