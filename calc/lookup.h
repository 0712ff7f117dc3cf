// Temperature and enthalpy lookups in an enthalpy–temperature table as it is displayed:
// interpolation by temperature, inverse interpolation of the air enthalpy, and the
// bisection on the flue-gas enthalpy at a given excess air.
#pragma once

#include <array>
#include <optional>

#include "calc/enthalpy_table.h"
#include "sheets/sheet.h"

namespace calc {

// The rows of an enthalpy–temperature sheet (0 temperature, 1 I0air, 2 I0g, 3 Iash),
// parsed once from their displayed texts; a text that does not parse ("-", empty) is
// a failed read.
class DisplayedTable {
 public:
  static constexpr int kColumns = kTemperatureColumns;
  static constexpr int kTemperatureRow = enthalpy_row::kTemperature;
  static constexpr int kAirRow = enthalpy_row::kAir;
  static constexpr int kGasRow = enthalpy_row::kGas;
  static constexpr int kAshRow = enthalpy_row::kAsh;

  explicit DisplayedTable(const sheets::Sheet& sheet);

  // The value of (col, row); nullopt outside the table or where the text is no number.
  std::optional<float> Read(int row, int col) const;

 private:
  std::array<std::array<std::optional<float>, kColumns>, 4> values_{};
};

// The interval j (0..24) with 100·(j + 1) ≤ T < 100·(j + 2); nullopt below 100 °C and
// from 2600 °C on.
std::optional<int> FindTemperatureInterval(float t);

// v(j) + (v(j + 1) − v(j)) · 0.01 · (T − 100·(j + 1)) in `row`; nullopt when a read fails
// or there is no interval.
std::optional<float> TryEnthalpyAtTemperature(const DisplayedTable& table, int row, float t,
                                              std::optional<int> j);
// The same as one guarded unit: 0 on failure.
float EnthalpyAtTemperature(const DisplayedTable& table, int row, float t, std::optional<int> j);

struct AirLookup {
  float temperature = 0;
  int interval = 0;
};

// The temperature at which the air enthalpy is `i`, by inverse interpolation in the
// interval whose air enthalpies bracket it (the 100–200 °C line when none does).
// Throws sheets::ConvertError when an air enthalpy the search reads is not a number.
AirLookup TemperatureFromAirEnthalpy(const DisplayedTable& table, float i);

struct GasLookup {
  float temperature = 0;
  float air_enthalpy = 0;
};

// Bisection over 0..2500 °C for the temperature at which the flue-gas enthalpy
// (α − 1)·I0air + I0g + Iash is within 0.005 % of `i_given`; nullopt when 1000000 halvings
// do not get there. Once a halving leaves the interval unchanged every further one would
// repeat it exactly, so the search stops there with the same answer; `literal` turns
// that shortcut off. Throws sheets::MathError when `i_given` is 0.
std::optional<GasLookup> TemperatureFromGasEnthalpy(const DisplayedTable& table, float i_given,
                                                    float alpha, bool literal = false);

// Cells of a design-parameter sheet that hold the given value and the state found.
struct StateCells {
  struct At {
    int col;
    int row;
  };
  At given;
  At temperature;
  At air_enthalpy;
  At gas_enthalpy;
};

// The state cells of the single fuel's sheet XLSheet15 and of the mixture's XLSheet17.
inline constexpr StateCells kFuelStateCells{{1, 3}, {1, 12}, {1, 13}, {1, 14}};
inline constexpr StateCells kMixtureStateCells{{1, 3}, {4, 5}, {4, 6}, {4, 7}};

// The given value of `design` when it fixes a state: a number above 0 that a single
// holds; nothing for an empty text, a text that is no number, 0 or less.
std::optional<float> StateGivenValue(const sheets::Sheet& design, const StateCells& cells);

// The given-parameter section: from the given value of kind 0 (temperature), 1 (air
// enthalpy) or 2 (flue-gas enthalpy), writes the temperature, air enthalpy and flue-gas
// enthalpy with ".##" ("-" in all three for a flue-gas enthalpy no temperature reaches).
// A given value that fixes no state (an empty text, a text that is not a number or too
// large for a single, 0 or less) empties the three cells and looks nothing up. The unit
// cell is the caller's.
void ComputeGivenState(sheets::Sheet& design, const StateCells& cells, const DisplayedTable& table,
                       int kind, float alpha);

}  // namespace calc
