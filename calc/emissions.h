// The boiler's emissions of CO2 and SO2, its consumption of standard fuel, and the
// condensation of the flue gas's water vapour, from the heat balance: every formula and
// constant of these blocks of the "Тепловой баланс" tab, with its unit and its source.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "sheets/sheet.h"

namespace calc {

// What the emissions take from a fuel, per kilogram (per cubic metre of a gas); nullopt
// where a value does not read.
struct EmissionFuel {
  std::optional<double> co2;        // mCO2, kg
  std::optional<double> so2;        // mSO2, kg
  std::optional<double> reference;  // the default CO2 factor of the fuel's type, kg/GJ
};

// The first ten record rows: W, A, C, H, N, S, O … of a solid or liquid fuel; CH4, C2H6,
// C3H8, C4H10, C5H12, N2, CO2, H2S, O2, CO of a gas (% by volume).
using EmissionRecord = std::array<std::optional<double>, 10>;

// The CO2 and SO2 of one kilogram (cubic metre) of a fuel of type `type_index`, and the
// default factor of its type.
EmissionFuel FuelEmission(int type_index, const EmissionRecord& record);

// The default CO2 factor of a fuel type, kg/GJ (= t/TJ); nullopt for an unknown type.
std::optional<double> ReferenceCO2Factor(int type_index);

// A component of a mixture, per kilogram of itself (a gas brought to a kilogram by its
// density), with its share of the mixture's mass, %.
struct EmissionComponent {
  EmissionFuel fuel;
  std::optional<double> heating_value;  // kJ/kg
  double share = 0;                     // gk, %
};

// Per kilogram of mixture: mCO2 and mSO2 by mass shares, the reference factor weighted by
// the components' shares of the mixture's heat, gk·Qk / Σ gk·Qk.
EmissionFuel MixtureEmission(const std::vector<EmissionComponent>& components);

// What the blocks take from the heat balance; nullopt where it was not formed.
struct EmissionBalance {
  EmissionFuel fuel;
  std::optional<double> heating_value;           // Q, kJ/kg (kJ/m3)
  std::optional<double> available;               // Qрр
  std::optional<double> efficiency;              // η, %
  std::optional<double> consumption;             // B, kg/s (m3/s)
  std::optional<double> calculated_consumption;  // Bр
  bool output_typed = false;                     // without a heat output no hourly values
  std::optional<double> so2_binding;             // η′SO2, 0..1
  std::optional<double> exit_excess_air;         // αух
  std::optional<double> air;                     // V0, m3 per kg (m3)
  std::optional<double> nitrogen;                // V0N2
  std::optional<double> triatomic;               // VRO2
  std::optional<double> water;                   // V0H2O
  std::optional<double> condensing_temperature;  // tк, °C
  bool condensing_typed = false;                 // without tк no condensation
};

// The water vapour of the flue gas behind the boiler, per kg (m3) of fuel at αух.
struct FlueGasVapour {
  double water;  // VH2O, m3
  double gas;    // Vg, m3
};
std::optional<FlueGasVapour> VapourAtExcessAir(const EmissionBalance& b);

// The dew point of the flue gas, °C.
std::optional<double> DewPoint(const FlueGasVapour& vapour);

// The water condensed when the flue gas is cooled to `t` °C, kg per kg (m3) of fuel: 0 when
// `t` is not below the dew point.
std::optional<double> CondensedWater(const FlueGasVapour& vapour, double t);

// Writes the blocks "Выбросы CO2 и SO2", "Условное топливо" and "Конденсация водяных
// паров" of a heat-balance sheet. "-" where an input is missing or a result is not
// finite; hourly values empty without a heat output, the condensation empty without tк.
void WriteEmissions(sheets::Sheet& sheet, const EmissionBalance& balance);

}  // namespace calc
