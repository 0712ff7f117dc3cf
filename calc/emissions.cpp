// Emissions, standard fuel and flue-gas condensation of the heat balance, in double
// precision.
#include "calc/emissions.h"

#include <algorithm>
#include <cstddef>

#include "calc/fuel_document.h"
#include "calc/heat_balance_cells.h"
#include "calc/iapws97.h"
#include "calc/optional_number.h"
#include "sheets/numbers.h"

namespace calc {

namespace {

namespace row = heat_balance_row;
using Value = std::optional<double>;
// These formulas run in double.
using Number = OptionalNumber<double>;

// Molar masses, kg/kmol, from the IUPAC standard atomic weights (C 12.011, H 1.008,
// O 15.999, S 32.06).
constexpr double kCarbon = 12.011;
constexpr double kCarbonDioxide = 44.009;
constexpr double kSulphur = 32.06;
constexpr double kSulphurDioxide = 64.064;
constexpr double kWater = 18.015;
// The molar volume of an ideal gas at 0 °C and 101.325 kPa, m3/kmol, as the volumes of
// the combustion products take it.
constexpr double kMolarVolume = 22.414;
// The normal atmosphere the flue gas is at, kPa.
constexpr double kAtmosphere = 101.325;
// The water vapour that air brings, m3 per m3 of air (moisture 10 g/kg), as V0H2O has it.
constexpr double kVapourOfAir = 0.0161;
// Standard fuel (условное топливо): 7000 kcal/kg × 4.1868 kJ/kcal = 29 307.6 kJ/kg.
constexpr double kStandardFuelHeat = 29307.6;
// One gigacalorie (international-table calorie), kJ.
constexpr double kGigacalorie = 4.1868e6;
// Water's latent heat of condensation r = 2501 − 2.37·t kJ/kg, t in °C (a straight line
// through the steam tables from 0 to 100 °C).
constexpr double kLatentHeatAt0 = 2501;
constexpr double kLatentHeatSlope = 2.37;
constexpr double kZeroCelsius = 273.15;  // K

// Default CO2 emission factors, kg/GJ (= t/TJ), of the fuel types in their order:
// the IPCC 2006 Guidelines for National Greenhouse Gas Inventories, vol. 2, ch. 2,
// table 2.2 — anthracite, other bituminous coal, lignite, peat, oil shale, residual fuel
// oil, natural gas.
constexpr double kReferenceFactors[] = {98.3, 94.6, 101.0, 106.0, 107.0, 77.4, 56.1};

// The latent heat given up by `water` kg condensing at `t` °C, kJ.
Number CondensationHeat(const Number& water, const Number& t) {
  return water * (kLatentHeatAt0 - kLatentHeatSlope * t);
}

void Show(sheets::Sheet& sheet, int r, const Value& value, const char* pattern) {
  sheet.SetText(1, r,
                value ? sheets::FormatPattern(*value, pattern, sheet.DecimalSeparator()) : "-");
}

// Empty when `shown` is false: the block is not asked for.
void ShowIf(sheets::Sheet& sheet, int r, bool shown, const Value& value, const char* pattern) {
  if (shown) {
    Show(sheet, r, value, pattern);
  } else {
    sheet.SetText(1, r, "");
  }
}

// kg/s (m3/s) to t/h (and kg/s to t/h of what a kilogram or cubic metre carries).
constexpr double kPerHour = 3.6;

// mCO2, mSO2, their factors on Q, the reference and the hourly emissions at Bр.
void WriteEmissionBlock(sheets::Sheet& sheet, const EmissionBalance& b) {
  const EmissionFuel& f = b.fuel;
  Show(sheet, row::kCO2PerUnit, f.co2, "0.####");
  // EF = 10⁶·m / Q, kg/GJ, and its deviation from the reference, %.
  const Value co2_factor = 1e6 * Number(f.co2) / b.heating_value;
  Show(sheet, row::kCO2Factor, co2_factor, "0.##");
  Show(sheet, row::kCO2Reference, f.reference, "0.##");
  Show(sheet, row::kCO2Deviation, (co2_factor - Number(f.reference)) * 100 / f.reference, "0.#");
  // Unburnt carbon leaves as ash, not as CO2: the hourly mass at Bр, t/h.
  ShowIf(sheet, row::kCO2Hourly, b.output_typed,
         kPerHour * Number(b.calculated_consumption) * f.co2, "0.###");
  Show(sheet, row::kSO2PerUnit, f.so2, "0.#####");
  Show(sheet, row::kSO2Factor, 1e6 * Number(f.so2) / b.heating_value, "0.##");
  ShowIf(sheet, row::kSO2Hourly, b.output_typed,
         kPerHour * Number(b.calculated_consumption) * f.so2 * (1 - Number(b.so2_binding)),
         "0.###");
}

// Э = Q / 29 307.6, Bу = B·Э, b = 4.1868·10⁶ / (29 307.6·η/100) per Gcal, 10⁶ / … per GJ.
void WriteStandardFuelBlock(sheets::Sheet& sheet, const EmissionBalance& b) {
  const Value equivalent = Number(b.heating_value) / kStandardFuelHeat;
  Show(sheet, row::kEquivalent, equivalent, "0.####");
  // kg/s (m3/s) of standard fuel, and t/h.
  const Value standard = Number(b.consumption) * equivalent;
  ShowIf(sheet, row::kStandardFuelConsumption, b.output_typed, standard, "0.####");
  ShowIf(sheet, row::kStandardFuelHourly, b.output_typed, kPerHour * Number(standard), "0.###");
  // kJ of useful heat per kg of standard fuel; kg per Gcal and per GJ.
  const Value useful = b.efficiency && *b.efficiency > 0
                           ? Value(kStandardFuelHeat * *b.efficiency / 100)
                           : std::nullopt;
  Show(sheet, row::kStandardFuelPerGcal, kGigacalorie / Number(useful), "0.##");
  Show(sheet, row::kStandardFuelPerGJ, 1e6 / Number(useful), "0.##");
}

void WriteCondensationBlock(sheets::Sheet& sheet, const EmissionBalance& b) {
  const std::optional<FlueGasVapour> vapour = VapourAtExcessAir(b);
  const Value dew_point = vapour ? DewPoint(*vapour) : std::nullopt;
  Show(sheet, row::kDewPoint, dew_point, "0.#");
  const bool shown = b.condensing_typed;
  const Value water = vapour && b.condensing_temperature
                          ? CondensedWater(*vapour, *b.condensing_temperature)
                          : std::nullopt;
  ShowIf(sheet, row::kCondensedWater, shown, water, "0.####");
  // kJ/kg (kJ/m3) of fuel, and its share of Qрр, %.
  const Value heat = CondensationHeat(water, b.condensing_temperature);
  ShowIf(sheet, row::kCondensationHeat, shown, heat, "0.##");
  ShowIf(sheet, row::kCondensationShare, shown, 100 * Number(heat) / b.available, "0.##");
  sheet.SetHint(1, row::kCondensedWater,
                shown && water && *water == 0
                    ? "Газы не охлаждаются ниже точки росы: влага не конденсируется"
                    : "");
}

}  // namespace

std::optional<double> ReferenceCO2Factor(int type_index) {
  if (type_index < 0 || type_index >= static_cast<int>(std::size(kReferenceFactors))) {
    return std::nullopt;
  }
  return kReferenceFactors[static_cast<std::size_t>(type_index)];
}

EmissionFuel FuelEmission(int type_index, const EmissionRecord& r) {
  EmissionFuel f;
  f.reference = ReferenceCO2Factor(type_index);
  if (type_index < kGasType) {
    // mCO2 = C·44.009 / (12.011·100), mSO2 = S·64.064 / (32.06·100), kg/kg; C, S in %.
    f.co2 = Number(r[2]) * kCarbonDioxide / (kCarbon * 100);
    f.so2 = Number(r[5]) * kSulphurDioxide / (kSulphur * 100);
    return f;
  }
  // The carbon of the RO2 volume, 0.01·(CH4 + 2·C2H6 + 3·C3H8 + 4·C4H10 + 5·C5H12 + CO2 + CO)
  // m3 of CO2 per m3 of gas, at the molar volume: kg/m3. Its sulphur is H2S, as SO2.
  const Number ch4 = r[0], c2h6 = r[1], c3h8 = r[2], c4h10 = r[3], c5h12 = r[4], co2 = r[6];
  const Number h2s = r[7], co = r[9];
  f.co2 = 0.01 * (ch4 + 2 * c2h6 + 3 * c3h8 + 4 * c4h10 + 5 * c5h12 + co2 + co) * kCarbonDioxide /
          kMolarVolume;
  f.so2 = 0.01 * h2s * kSulphurDioxide / kMolarVolume;
  return f;
}

EmissionFuel MixtureEmission(const std::vector<EmissionComponent>& components) {
  Value co2 = 0.0, so2 = 0.0, weighted = 0.0, heat = 0.0;
  for (const EmissionComponent& c : components) {
    const double g = c.share / 100;
    co2 = co2 + g * Number(c.fuel.co2);
    so2 = so2 + g * Number(c.fuel.so2);
    const Value q = g * Number(c.heating_value);
    weighted = weighted + Number(q) * c.fuel.reference;
    heat = heat + Number(q);
  }
  return {.co2 = co2, .so2 = so2, .reference = Number(weighted) / heat};
}

std::optional<FlueGasVapour> VapourAtExcessAir(const EmissionBalance& b) {
  // VH2O = V0H2O + 0.0161·(αух − 1)·V0; Vg = VRO2 + V0N2 + VH2O + (αух − 1)·V0.
  const Value water = b.water + kVapourOfAir * (Number(b.exit_excess_air) - 1) * b.air;
  const Value gas =
      b.triatomic + Number(b.nitrogen) + water + (Number(b.exit_excess_air) - 1) * b.air;
  if (!water || !gas || *water <= 0 || *gas <= *water) return std::nullopt;
  return FlueGasVapour{*water, *gas};
}

std::optional<double> DewPoint(const FlueGasVapour& vapour) {
  // pH2O = rH2O·101.325 kPa; tр = Ts(pH2O) by IAPWS-IF97 region 4.
  const double pressure_mpa = vapour.water / vapour.gas * kAtmosphere / 1000;
  return Number(iapws97::SaturationTemperature(pressure_mpa) - kZeroCelsius);
}

std::optional<double> CondensedWater(const FlueGasVapour& vapour, double t) {
  const Value dew_point = DewPoint(vapour);
  if (!dew_point) return std::nullopt;
  if (t >= *dew_point) return 0.0;
  // ps = Ps(tк); the dry gas keeps VH2O,sat = Vdry·ps / (101.325 − ps) of vapour; the rest
  // condenses, 18.015 / 22.414 kg per m3.
  const double saturation = iapws97::SaturationPressure(t + kZeroCelsius) * 1000;
  const double dry = vapour.gas - vapour.water;
  const double left = dry * saturation / (kAtmosphere - saturation);
  // Below 0 °C the two equations are carried on past their range and need not meet
  // exactly at the dew point: no negative condensate.
  return Number(std::max(0.0, (vapour.water - left) * kWater / kMolarVolume));
}

void WriteEmissions(sheets::Sheet& sheet, const EmissionBalance& balance) {
  WriteEmissionBlock(sheet, balance);
  WriteStandardFuelBlock(sheet, balance);
  WriteCondensationBlock(sheet, balance);
}

}  // namespace calc
