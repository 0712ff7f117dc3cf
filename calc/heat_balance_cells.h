// Where the heat-balance sheets of the single fuel (XLSheet19) and of the mixture
// (XLSheet20) keep each input and result: label in column 0, value in 1, unit in 2.
#pragma once

namespace calc {

// Rows of both heat-balance sheets; the mixture's sheet ends before the bases.
namespace heat_balance_row {
inline constexpr int kHeading = 0;
inline constexpr int kInputsHeading = 1;
inline constexpr int kExitGasTemperature = 2;  // ϑух, °C
inline constexpr int kExitExcessAir = 3;       // αух
inline constexpr int kColdAirTemperature = 4;  // tхв, °C
inline constexpr int kQ3 = 5;                  // %
inline constexpr int kQ4 = 6;
inline constexpr int kQ5 = 7;
inline constexpr int kSlagTemperature = 8;     // ϑшл, °C
inline constexpr int kFuelHeat = 9;            // iтл, kJ/kg
inline constexpr int kExternalAirHeat = 10;    // Qв.вн, kJ/kg
inline constexpr int kHeatOutput = 11;         // Qка, kW
inline constexpr int kFurnaceExcessAir = 12;   // αт
inline constexpr int kFurnaceLeakage = 13;     // Δαт
inline constexpr int kHotAirTemperature = 14;  // tгв, °C
inline constexpr int kO2 = 15;                 // % of the dry flue gas
inline constexpr int kRO2 = 16;
inline constexpr int kBalanceHeading = 17;
inline constexpr int kAvailableHeat = 18;  // Qрр
inline constexpr int kColdAirEnthalpy = 19;
inline constexpr int kExitGasEnthalpy = 20;
inline constexpr int kQ2 = 21;
inline constexpr int kQ6 = 22;
inline constexpr int kLosses = 23;
inline constexpr int kEfficiency = 24;
inline constexpr int kRetention = 25;  // φ
inline constexpr int kFuelConsumption = 26;
inline constexpr int kFuelConsumptionHourly = 27;
inline constexpr int kCalculatedFuelConsumption = 28;
inline constexpr int kFurnaceHeading = 29;
inline constexpr int kHotAirEnthalpy = 30;
inline constexpr int kAirHeat = 31;      // Qв
inline constexpr int kFurnaceHeat = 32;  // Qт
inline constexpr int kAdiabaticTemperature = 33;
inline constexpr int kFlueGasHeading = 34;
inline constexpr int kRO2Max = 35;
inline constexpr int kExcessAirO2 = 36;
inline constexpr int kExcessAirRO2 = 37;
inline constexpr int kMixtureRows = 38;
inline constexpr int kBasisHeading = 38;
inline constexpr int kDryFirst = 39;  // C, H, N, S, O, A on the dry basis: rows 39..44
inline constexpr int kDafFirst = 45;  // C, H, N, S, O on the dry ash-free basis: rows 45..49
inline constexpr int kHigherHeatingValue = 50;
inline constexpr int kDryHeatingValue = 51;
inline constexpr int kDafHeatingValue = 52;
inline constexpr int kFuelRows = 53;
}  // namespace heat_balance_row

// An input of the heat balance: its command-line option, row, the text a new document
// window starts with (written with the document's decimal separator), and its symbol in
// the normative method, as compact reports name it.
struct HeatBalanceInput {
  const char* option;
  int row;
  const char* initial;
  const char* symbol;
};

inline constexpr HeatBalanceInput kHeatBalanceInputs[] = {
    {"exit-gas-temperature", heat_balance_row::kExitGasTemperature, "140", "ϑух"},
    {"exit-excess-air", heat_balance_row::kExitExcessAir, "1.35", "αух"},
    {"cold-air-temperature", heat_balance_row::kColdAirTemperature, "30", "tхв"},
    {"q3", heat_balance_row::kQ3, "0", "q3"},
    {"q4", heat_balance_row::kQ4, "0", "q4"},
    {"q5", heat_balance_row::kQ5, "0.5", "q5"},
    {"slag-temperature", heat_balance_row::kSlagTemperature, "600", "ϑшл"},
    {"fuel-heat", heat_balance_row::kFuelHeat, "0", "iтл"},
    {"external-air-heat", heat_balance_row::kExternalAirHeat, "0", "Qв.вн"},
    {"heat-output", heat_balance_row::kHeatOutput, "", "Qка"},
    {"furnace-excess-air", heat_balance_row::kFurnaceExcessAir, "1.2", "αт"},
    {"furnace-leakage", heat_balance_row::kFurnaceLeakage, "0.05", "Δαт"},
    {"hot-air-temperature", heat_balance_row::kHotAirTemperature, "30", "tгв"},
    {"o2", heat_balance_row::kO2, "", "O2"},
    {"ro2", heat_balance_row::kRO2, "", "RO2"},
};

// A shown quantity: its name in reports and its row (column 1).
struct HeatBalanceCell {
  const char* key;
  int row;
};

// In report order; q3, q4 and q5 are the typed inputs.
inline constexpr HeatBalanceCell kHeatBalanceCells[] = {
    {"available_heat", heat_balance_row::kAvailableHeat},
    {"cold_air_enthalpy", heat_balance_row::kColdAirEnthalpy},
    {"exit_gas_enthalpy", heat_balance_row::kExitGasEnthalpy},
    {"q2", heat_balance_row::kQ2},
    {"q3", heat_balance_row::kQ3},
    {"q4", heat_balance_row::kQ4},
    {"q5", heat_balance_row::kQ5},
    {"q6", heat_balance_row::kQ6},
    {"losses", heat_balance_row::kLosses},
    {"efficiency", heat_balance_row::kEfficiency},
    {"retention", heat_balance_row::kRetention},
    {"fuel_consumption", heat_balance_row::kFuelConsumption},
    {"fuel_consumption_hourly", heat_balance_row::kFuelConsumptionHourly},
    {"calculated_fuel_consumption", heat_balance_row::kCalculatedFuelConsumption},
    {"hot_air_enthalpy", heat_balance_row::kHotAirEnthalpy},
    {"air_heat", heat_balance_row::kAirHeat},
    {"furnace_heat", heat_balance_row::kFurnaceHeat},
    {"adiabatic_temperature", heat_balance_row::kAdiabaticTemperature},
    {"ro2_max", heat_balance_row::kRO2Max},
    {"excess_air_o2", heat_balance_row::kExcessAirO2},
    {"excess_air_ro2", heat_balance_row::kExcessAirRO2},
};

// The elements of the bases, in record order (rows 2..6, then the ash of row 1).
inline constexpr const char* kBasisElements[] = {"C", "H", "N", "S", "O", "A"};

}  // namespace calc
