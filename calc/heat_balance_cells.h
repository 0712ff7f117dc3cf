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
inline constexpr int kSO2AshBinding = 17;          // η′SO2, share of SO2 bound by fly ash
inline constexpr int kCondensingTemperature = 18;  // tк, °C; empty: no condensation
inline constexpr int kBalanceHeading = 19;
inline constexpr int kAvailableHeat = 20;  // Qрр
inline constexpr int kColdAirEnthalpy = 21;
inline constexpr int kExitGasEnthalpy = 22;
inline constexpr int kQ2 = 23;
inline constexpr int kQ6 = 24;
inline constexpr int kLosses = 25;
inline constexpr int kEfficiency = 26;
inline constexpr int kRetention = 27;  // φ
inline constexpr int kFuelConsumption = 28;
inline constexpr int kFuelConsumptionHourly = 29;
inline constexpr int kCalculatedFuelConsumption = 30;
inline constexpr int kFurnaceHeading = 31;
inline constexpr int kHotAirEnthalpy = 32;
inline constexpr int kAirHeat = 33;      // Qв
inline constexpr int kFurnaceHeat = 34;  // Qт
inline constexpr int kAdiabaticTemperature = 35;
inline constexpr int kFlueGasHeading = 36;
inline constexpr int kRO2Max = 37;
inline constexpr int kExcessAirO2 = 38;
inline constexpr int kExcessAirRO2 = 39;
inline constexpr int kEmissionsHeading = 40;
inline constexpr int kCO2PerUnit = 41;    // mCO2, kg/kg (kg/m3 of a gas)
inline constexpr int kCO2Factor = 42;     // kg/GJ of the lower heating value
inline constexpr int kCO2Reference = 43;  // the default factor of the fuel type, kg/GJ
inline constexpr int kCO2Deviation = 44;  // %
inline constexpr int kCO2Hourly = 45;     // t/h
inline constexpr int kSO2PerUnit = 46;    // mSO2, kg/kg (kg/m3)
inline constexpr int kSO2Factor = 47;     // kg/GJ
inline constexpr int kSO2Hourly = 48;     // t/h
inline constexpr int kStandardFuelHeading = 49;
inline constexpr int kEquivalent = 50;               // Э
inline constexpr int kStandardFuelConsumption = 51;  // Bу, kg/s
inline constexpr int kStandardFuelHourly = 52;       // Bу, t/h
inline constexpr int kStandardFuelPerGcal = 53;      // b, kg of standard fuel per Gcal
inline constexpr int kStandardFuelPerGJ = 54;        // b, kg of standard fuel per GJ
inline constexpr int kCondensationHeading = 55;
inline constexpr int kDewPoint = 56;           // tр, °C
inline constexpr int kCondensedWater = 57;     // Gк, kg/kg (kg/m3)
inline constexpr int kCondensationHeat = 58;   // Qк, kJ/kg (kJ/m3)
inline constexpr int kCondensationShare = 59;  // Qк / Qрр, %
inline constexpr int kMixtureRows = 60;
inline constexpr int kBasisHeading = 60;
inline constexpr int kDryFirst = 61;  // C, H, N, S, O, A on the dry basis: rows 61..66
inline constexpr int kDafFirst = 67;  // C, H, N, S, O on the dry ash-free basis: rows 67..71
inline constexpr int kHigherHeatingValue = 72;
inline constexpr int kDryHeatingValue = 73;
inline constexpr int kDafHeatingValue = 74;
inline constexpr int kFuelRows = 75;
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
    {"so2-ash-binding", heat_balance_row::kSO2AshBinding, "0", "η′SO2"},
    {"condensing-temperature", heat_balance_row::kCondensingTemperature, "", "tк"},
};

// A shown quantity: its name in reports and its row (column 1).
struct HeatBalanceCell {
  const char* key;
  int row;
};

// In report order; q3, q4 and q5 are the typed inputs.
// The heat output's units, as its list cell beside it offers them (the cell's index), and
// their worth in kW: 1 Гкал/ч = 4.1868·10⁶ kJ / 3600 s = 1163 kW exactly (the
// international-table calorie).
inline constexpr const char* kHeatOutputUnits[] = {"кВт", "МВт", "Гкал/ч"};
inline constexpr const char* kHeatOutputUnitOptions[] = {"kW", "MW", "Gcal/h"};
inline constexpr double kHeatOutputUnitKilowatts[] = {1, 1000, 1163};

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

// The emissions and the standard fuel, as reports name them.
inline constexpr HeatBalanceCell kEmissionCells[] = {
    {"co2_per_unit", heat_balance_row::kCO2PerUnit},
    {"co2_factor", heat_balance_row::kCO2Factor},
    {"co2_reference", heat_balance_row::kCO2Reference},
    {"co2_deviation", heat_balance_row::kCO2Deviation},
    {"co2_hourly", heat_balance_row::kCO2Hourly},
    {"so2_per_unit", heat_balance_row::kSO2PerUnit},
    {"so2_factor", heat_balance_row::kSO2Factor},
    {"so2_hourly", heat_balance_row::kSO2Hourly},
    {"equivalent", heat_balance_row::kEquivalent},
    {"standard_fuel_consumption", heat_balance_row::kStandardFuelConsumption},
    {"standard_fuel_hourly", heat_balance_row::kStandardFuelHourly},
    {"standard_fuel_per_gcal", heat_balance_row::kStandardFuelPerGcal},
    {"standard_fuel_per_gj", heat_balance_row::kStandardFuelPerGJ},
};

// The condensation of the flue gas's water vapour; its temperature is the input.
inline constexpr HeatBalanceCell kCondensationCells[] = {
    {"dew_point", heat_balance_row::kDewPoint},
    {"condensing_temperature", heat_balance_row::kCondensingTemperature},
    {"condensed_water", heat_balance_row::kCondensedWater},
    {"condensation_heat", heat_balance_row::kCondensationHeat},
    {"condensation_share", heat_balance_row::kCondensationShare},
};

// The elements of the bases, in record order (rows 2..6, then the ash of row 1).
inline constexpr const char* kBasisElements[] = {"C", "H", "N", "S", "O", "A"};

}  // namespace calc
