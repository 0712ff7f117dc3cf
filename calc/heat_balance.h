// The boiler's heat balance by the normative method: available heat, the losses q2..q6,
// gross efficiency, fuel consumption, the adiabatic combustion temperature in the furnace,
// the excess air from a flue-gas analysis, and the fuel on the dry and dry ash-free basis.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/emissions.h"
#include "calc/enthalpy_table.h"
#include "calc/fuel_document.h"
#include "calc/heat_balance_cells.h"

namespace calc {

// What the heat balance takes from a fuel or a mixture; nullopt where a value does not read.
struct HeatBalanceFuel {
  std::optional<double> heating_value;   // lower heating value Q, kJ/kg (kJ/m3 for a gas)
  std::optional<double> ash;             // A, % of the working mass
  std::optional<double> air;             // V0, m3 per kg (per m3 of a gas), as displayed
  std::optional<double> nitrogen;        // V0N2
  std::optional<double> triatomic;       // VRO2
  std::optional<double> water;           // V0H2O
  EmissionFuel emission;                 // CO2 and SO2 per kg (m3), the reference factor
  double carryover = kDefaultCarryover;  // aун, as the design calculation clamps it
  bool ashless = false;                  // no slag loss: q6 = 0
  bool per_cubic_metre = false;          // quantities per m3 of gas
};

// Fills column 1 of the results of a heat-balance sheet (XLSheet19 or XLSheet20) in double
// precision from its inputs, repaired first like every typed number, the fuel, and the
// enthalpy–temperature table as `table` displays it ("-" in the ash row counts as 0); the
// enthalpy of slag comes from the built-in table XLSheet11. The units follow the fuel kind.
// A quantity that an unreadable input, a zero divisor or a temperature beyond 2500 °C keeps
// from being formed shows "-"; the fuel consumption with no heat output typed, and the
// excess air with no analysis typed, show an empty text. An input outside its physical
// range is red with the range in its hint and counts as unreadable; a result outside its
// own (a loss below 0, an efficiency not between 0 and 100 %, a negative consumption, φ
// above 1) shows "-" with the reason in its hint. Never throws for bad numbers.
void WriteHeatBalance(const FuelDocument& doc, sheets::Sheet& sheet, const HeatBalanceFuel& fuel,
                      const sheets::Sheet& table);

// The single fuel's heat balance on XLSheet19: Q from record row 8 (row 12 for a gas), A from
// row 1 (0 for a gas), the volumes as XLSheet2 shows them, the carry-over of XLSheet15 and
// the table XLSheet6; then the bases of a solid or liquid fuel from the record (empty for a
// gas). Run at the end of every RecalcFuel.
void RecalcHeatBalance(FuelDocument& doc);

// The mixture's heat balance on XLSheet20, per kilogram of mixture: the mixed heating value,
// ash content and emissions, the volumes as XLSheet14 shows them, the carry-over of
// XLSheet17 and the table XLSheet16. Run by RecalcMixture for a valid mixture.
void RecalcMixtureHeatBalance(FuelDocument& doc, float heating_value, float ash, bool all_gaseous,
                              const EmissionFuel& emission);

// The rows of XLSheet19 that reports show: a gas, having no bases, ends where the
// mixture's sheet does.
int FuelHeatBalanceRows(const FuelDocument& doc);

// Whether a text typed into an input of the heat balance gives it a number: after the
// repair of the decimal separator it parses, with `decimal_separator`, to a finite value.
bool HeatBalanceInputReads(const std::string& text, char decimal_separator);

// An input that the last calculation found outside its physical range: its row, its text
// and the range, as the cell's hint gives it.
struct OutOfRangeInput {
  int row;
  std::string text;
  std::string range;
};

// The inputs of a heat-balance sheet that its last calculation refused as out of range
// (shown red), in row order.
std::vector<OutOfRangeInput> HeatBalanceOutOfRange(const sheets::Sheet& sheet);

// The displayed texts of a heat-balance sheet, named as reports name them.
struct HeatBalanceTexts {
  using Entries = std::vector<std::pair<std::string, std::string>>;
  Entries values;        // the keys of kHeatBalanceCells, in that order
  Entries emissions;     // the keys of kEmissionCells
  Entries condensation;  // the keys of kCondensationCells
  struct Basis {
    Entries dry;  // C, H, N, S, O, A
    Entries daf;  // C, H, N, S, O
    std::string higher_heating_value;
    std::string dry_heating_value;
    std::string daf_heating_value;
  };
  std::optional<Basis> basis;  // a solid or liquid fuel only
};

HeatBalanceTexts FuelHeatBalanceTexts(const FuelDocument& doc);
HeatBalanceTexts MixtureHeatBalanceTexts(const FuelDocument& doc);

}  // namespace calc
