// The I–ϑ diagram of a displayed enthalpy–temperature table: the flue-gas enthalpy at the
// excess air of the design sheet, the air and ash enthalpies, and the state to mark on it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/lookup.h"
#include "sheets/sheet.h"

namespace calc {

struct DiagramPoint {
  double temperature = 0;
  double enthalpy = 0;

  bool operator==(const DiagramPoint&) const = default;
};

struct Diagram {
  // The excess air as the design sheet shows it, and the value the gas line is drawn at.
  std::string excess_air_text;
  float excess_air = 1;
  // Ig = (α − 1)·I0air + I0g + Iash per temperature column.
  std::vector<DiagramPoint> gas;
  // I0air, the theoretical air.
  std::vector<DiagramPoint> air;
  // Iash from the first column up to the first one that shows no number ("-"); empty
  // when every value is 0 (a fuel without ash).
  std::vector<DiagramPoint> ash;
  // Temperature and flue-gas enthalpy of the design sheet's state, when both are numbers.
  std::optional<DiagramPoint> state;
  // The enthalpy unit of the row titles ("кДж/кг", "кДж/м3").
  std::string unit;

  bool operator==(const Diagram&) const = default;
};

// The three lines of `table` at excess air `alpha`. A column whose temperature, air or
// gas text is no number has no point on the air and gas lines; in Ig an ash text that is
// no number counts as 0, as in the lookups of the design calculation.
Diagram DiagramLines(const sheets::Sheet& table, float alpha);

// The excess air of cell (1, 2) as the design calculation reads it: 1 when the text is no
// number or too large for a single.
float DiagramExcessAir(const sheets::Sheet& design);

// The state of `cells` in `design`; nullopt when the temperature or the flue-gas enthalpy
// text is no number ("-", empty).
std::optional<DiagramPoint> DiagramState(const sheets::Sheet& design, const StateCells& cells);

// The unit after the last comma of the air row title (" Энтальпия воздуха ,кДж/кг").
std::string EnthalpyUnit(const sheets::Sheet& titles);

// The whole diagram of a table, its row titles and its design sheet.
Diagram MakeDiagram(const sheets::Sheet& table, const sheets::Sheet& titles,
                    const sheets::Sheet& design, const StateCells& cells);

}  // namespace calc
