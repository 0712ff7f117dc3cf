// The extent of an enthalpy–temperature table and the flue-gas enthalpy read from it.
#pragma once

namespace calc {

inline constexpr int kTemperatureColumns = 25;  // 100, 200 .. 2500 °C
inline constexpr float kTopTemperature = 2500;  // °C, the last column; no enthalpy above it

// The rows of an enthalpy–temperature sheet (XLSheet6, XLSheet16).
namespace enthalpy_row {
inline constexpr int kTemperature = 0;  // °C
inline constexpr int kAir = 1;          // I0air
inline constexpr int kGas = 2;          // I0g, the flue gas at excess air 1
inline constexpr int kAsh = 3;          // Iash, "-" where the ash has no enthalpy
}  // namespace enthalpy_row

// The fly-ash carry-over aун where none is given or the given one is no number.
inline constexpr double kDefaultCarryover = 0.95;

// Ig = I0g + (α − 1)·I0air + Iash: the flue gas at excess air α from the flue gas at α = 1,
// the air and the fly ash at one temperature, in the table's unit (kJ/kg, kJ/m3), evaluated
// in T.
template <typename T>
constexpr T FlueGasEnthalpy(T gas_at_1, T alpha, T air, T ash) {
  return gas_at_1 + (alpha - 1) * air + ash;
}

}  // namespace calc
